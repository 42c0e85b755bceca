#pragma once

#include "files/MessageReporter.h"

class QWidget;

namespace ravemo {

// The program's warning: the system beep, then a message box with the exclamation icon and
// one OK button. Its question: a box with Yes and No, No the default.
class QtMessageReporter : public MessageReporter {
  public:
    explicit QtMessageReporter(QWidget* parent);

    void reportError(const QString& title, const QString& text) override;
    bool askYesNo(const QString& title, const QString& text) override;

  private:
    QWidget* parent_;
};

}  // namespace ravemo
