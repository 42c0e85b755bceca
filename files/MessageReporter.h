#pragma once

#include <QString>

namespace ravemo {

// Tells the user that a command failed, or asks before a command that would lose data. The
// program's adapter beeps and shows a warning box, or a question box with Yes and No
// (ui/QtMessageReporter.h); tests record the messages and answer the questions.
class MessageReporter {
  public:
    virtual ~MessageReporter() = default;
    virtual void reportError(const QString& title, const QString& text) = 0;
    // True when the user answers Yes; No, and closing the box, are false.
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
};

}  // namespace ravemo
