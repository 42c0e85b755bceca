#pragma once

#include "files/FileCommandControls.h"
#include "ui/MainWindowControls.h"

namespace ravemo {

// The file commands' view of chart1: the Hold switch (set through the box, so its click rule
// runs) and the two limit boxes.
class WindowFileControls final : public FileCommandControls {
  public:
    explicit WindowFileControls(const MainWindowControls& controls) : c_(controls) {}

    void setHoldValue(int value) override;
    QString lowerLimitText() const override;
    QString upperLimitText() const override;
    void setLowerLimitText(const QString& text) override;
    void setUpperLimitText(const QString& text) override;

  private:
    const MainWindowControls& c_;
};

}  // namespace ravemo
