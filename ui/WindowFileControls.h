#pragma once

#include "files/FileCommandControls.h"
#include "ui/MainWindowControls.h"

namespace ravemo {

// The file commands' view of chart1: the Hold and Full Sweep switches (set through the boxes,
// so their click rules run) and the two limit boxes.
class WindowFileControls final : public FileCommandControls {
  public:
    explicit WindowFileControls(const MainWindowControls& controls) : c_(controls) {}

    int holdValue() const override;
    void setHoldValue(int value) override;
    void setFullSweepValue(int value) override;
    QString lowerLimitText() const override;
    QString upperLimitText() const override;
    void setLowerLimitText(const QString& text) override;
    void setUpperLimitText(const QString& text) override;

  private:
    const MainWindowControls& c_;
};

}  // namespace ravemo
