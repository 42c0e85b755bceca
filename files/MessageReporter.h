#pragma once

#include <QString>

namespace ravemo {

// Tells the user that a command failed. The program's adapter beeps and shows a warning box
// (ui/QtMessageReporter.h); tests record the messages.
class MessageReporter {
  public:
    virtual ~MessageReporter() = default;
    virtual void reportError(const QString& title, const QString& text) = 0;
};

}  // namespace ravemo
