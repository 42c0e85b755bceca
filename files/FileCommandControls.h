#pragma once

#include <QString>

namespace ravemo {

// The window controls the open and save commands touch. The main window implements it (the
// limit-box accessors share their names with SweepControls, so one override serves both);
// tests use plain members.
class FileCommandControls {
  public:
    virtual ~FileCommandControls() = default;

    // Check8 ("Hold"). Setting it goes through the window, so that its click handling runs and
    // locks (or frees) the limit boxes and Full Sweep.
    virtual int holdValue() const = 0;
    virtual void setHoldValue(int value) = 0;
    // Sets Check7 ("Full Sweep") through the window, so that its click handling runs.
    virtual void setFullSweepValue(int value) = 0;

    virtual QString lowerLimitText() const = 0;  // txtVal(0), MHz
    virtual QString upperLimitText() const = 0;  // txtVal(1), MHz
    virtual void setLowerLimitText(const QString& text) = 0;
    virtual void setUpperLimitText(const QString& text) = 0;
};

}  // namespace ravemo
