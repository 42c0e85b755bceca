#pragma once

#include "ui/MainWindowControls.h"
#include "ui/chart/CurveControls.h"

namespace ravemo {

// The curve drawing's view of chart1: the six curve switches, the offset box and the
// sweep-time readout, read and written live.
class WindowCurveControls final : public CurveControls {
  public:
    explicit WindowCurveControls(const MainWindowControls& controls) : c_(controls) {}

    int curveSwitchValue(CurveSwitch which) const override;
    QString offsetText() const override;
    void setSweepTimeText(const QString& text) override;

  private:
    const MainWindowControls& c_;
};

}  // namespace ravemo
