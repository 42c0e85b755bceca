#pragma once

#include <functional>

#include "sweep/SweepControls.h"
#include "ui/MainWindowControls.h"

class QCheckBox;

namespace ravemo {

// A check box's value as the program reads it: 0 unticked, 1 ticked, 2 greyed.
int checkValue(const QCheckBox* box);

// The sweep tick's view of chart1: every call reads or writes the live widget, so a handler
// that ran inside a yield is seen at once.
class WindowSweepControls final : public SweepControls {
  public:
    explicit WindowSweepControls(const MainWindowControls& controls) : c_(controls) {}

    QString lowerLimitText() const override;
    QString upperLimitText() const override;
    void setLowerLimitText(const QString& text) override;
    void setUpperLimitText(const QString& text) override;
    int fullSweepValue() const override;
    int holdValue() const override;
    QString offsetText() const override;
    float markerLineX(int marker) const override;
    double chartWidth() const override;
    QString readoutText(Readout readout) const override;
    void setReadoutText(Readout readout, const QString& text) override;
    int singleMarkerValue() const override;
    void setSecondMarkerVisible(bool visible) override;

  private:
    const MainWindowControls& c_;
};

}  // namespace ravemo
