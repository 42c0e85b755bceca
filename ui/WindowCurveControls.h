#pragma once

#include <array>

#include "ui/chart/CurveControls.h"

class QCheckBox;
class QLineEdit;

namespace ravemo {

// The widgets the curve drawing reads and writes.
struct CurveControlWidgets {
    // Check1..Check6 by CurveSwitch.
    std::array<QCheckBox*, kCurveSwitchCount> switches{};
    QLineEdit* offset = nullptr;     // Text18, dB
    QLineEdit* sweepTime = nullptr;  // Text5, ms
};

// The curve drawing's view of chart1: the six curve switches, the offset box and the
// sweep-time readout, read and written live.
class WindowCurveControls final : public CurveControls {
  public:
    explicit WindowCurveControls(const CurveControlWidgets& widgets) : w_(widgets) {}

    int curveSwitchValue(CurveSwitch which) const override;
    QString offsetText() const override;
    void setSweepTimeText(const QString& text) override;

  private:
    CurveControlWidgets w_;
};

}  // namespace ravemo
