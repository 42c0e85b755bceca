#pragma once

#include <map>
#include <vector>

#include <QString>

#include "sweep/ChartDesign.h"
#include "sweep/SweepControls.h"

namespace ravemo::test {

// The window's sweep controls as plain members: set them, run the code, look at them.
// Start values are those of the main window after its load (limits "1" and "50", offset "0",
// Single marker ticked), with the design chart width and marker positions.
class FakeSweepControls final : public SweepControls {
  public:
    QString lowerLimit = QStringLiteral("1");
    QString upperLimit = QStringLiteral("50");
    int fullSweep = 0;
    int hold = 0;
    QString offset = QStringLiteral("0");
    float line1X = static_cast<float>(kMarker1StartTwips);
    float line2X = static_cast<float>(kMarker2StartTwips);
    double width = kChartWidthTwips;
    int singleMarker = 1;
    std::map<Readout, QString> readouts;
    bool secondMarkerVisible = true;
    int secondMarkerVisibilityCalls = 0;
    int upperLimitWrites = 0;
    int lowerLimitWrites = 0;
    QString rangeNotice;

    QString lowerLimitText() const override { return lowerLimit; }
    QString upperLimitText() const override { return upperLimit; }
    void setLowerLimitText(const QString& text) override {
        lowerLimit = text;
        ++lowerLimitWrites;
    }
    void setUpperLimitText(const QString& text) override {
        upperLimit = text;
        ++upperLimitWrites;
    }
    int fullSweepValue() const override { return fullSweep; }
    int holdValue() const override { return hold; }
    QString offsetText() const override { return offset; }
    float markerLineX(int marker) const override { return marker == 1 ? line1X : line2X; }
    double chartWidth() const override { return width; }
    QString readoutText(Readout readout) const override {
        const auto it = readouts.find(readout);
        return it == readouts.end() ? QString() : it->second;
    }
    void setReadoutText(Readout readout, const QString& text) override { readouts[readout] = text; }
    void setRangeNotice(const QString& text) override { rangeNotice = text; }
    int singleMarkerValue() const override { return singleMarker; }
    void setSecondMarkerVisible(bool visible) override {
        secondMarkerVisible = visible;
        ++secondMarkerVisibilityCalls;
    }

    // The text of a readout box ("" when never written).
    QString text(Readout readout) const { return readoutText(readout); }
};

// A redraw that only counts its calls.
class CountingRedraw final : public SweepRedraw {
  public:
    int count = 0;
    void redraw() override { ++count; }
};

}  // namespace ravemo::test
