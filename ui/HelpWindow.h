#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace ravemo {

// The program's manual, opened by F1: a browser with back and forward buttons over
// help/index.html beside the program or in the install's share folder. When neither exists it
// shows a short page that says so and lists where it looked.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    // Where the manual is looked for, in order, for a program in `applicationDir`.
    static QStringList candidatePaths(const QString& applicationDir);
    // The first candidate that exists, or an empty text.
    static QString findManual(const QString& applicationDir);
    // The page shown when the manual is missing.
    static QString missingManualPage(const QStringList& lookedAt);

    explicit HelpWindow(const QString& applicationDir, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
    QToolButton* back_;
    QToolButton* forward_;
};

}  // namespace ravemo
