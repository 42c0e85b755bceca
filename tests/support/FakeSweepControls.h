#pragma once

#include <QString>

#include "sweep/PlainSweepControls.h"
#include "sweep/SweepControls.h"

namespace ravemo::test {

// The program's plain sweep controls, counting the writes the tests look for.
class FakeSweepControls final : public PlainSweepControls {
  public:
    int secondMarkerVisibilityCalls = 0;
    int upperLimitWrites = 0;
    int lowerLimitWrites = 0;

    void setLowerLimitText(const QString& text) override {
        PlainSweepControls::setLowerLimitText(text);
        ++lowerLimitWrites;
    }
    void setUpperLimitText(const QString& text) override {
        PlainSweepControls::setUpperLimitText(text);
        ++upperLimitWrites;
    }
    void setSecondMarkerVisible(bool visible) override {
        PlainSweepControls::setSecondMarkerVisible(visible);
        ++secondMarkerVisibilityCalls;
    }
};

// A redraw that only counts its calls.
class CountingRedraw final : public SweepRedraw {
  public:
    int count = 0;
    void redraw() override { ++count; }
};

}  // namespace ravemo::test
