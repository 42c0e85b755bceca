#pragma once

#include <QFrame>

class QLabel;

namespace ravemo {

// frmSplash: the product title, the version and the program icon on a grey panel, centred on
// the screen, without caption or task-bar entry, shown while the program starts. Laid out in
// twips and scaled with the screen's logical DPI.
class SplashWindow : public QFrame {
    Q_OBJECT
  public:
    explicit SplashWindow(const QIcon& icon, double logicalDpi);

    // Shows the window centred and lets it paint before the caller blocks.
    void showAndPaint();

    const QLabel& versionLabel() const { return *lblVersion_; }

  private:
    QLabel* lblVersion_ = nullptr;
};

}  // namespace ravemo
