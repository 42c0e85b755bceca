#pragma once

#include <QMap>
#include <QString>

#include "sweep/ChartDesign.h"
#include "sweep/SweepControls.h"

namespace ravemo {

// The window's controls as plain values, for running the sweep engine and the marker readouts
// without a window. Markers and chart stand where the window lays them out at start.
class PlainSweepControls final : public SweepControls {
  public:
    QString lowerText;
    QString upperText;
    int fullSweep = 0;
    int hold = 0;
    QString offset = QStringLiteral("0");
    float marker1X = static_cast<float>(kMarker1StartTwips);
    float marker2X = static_cast<float>(kMarker2StartTwips);
    double width = kChartWidthTwips;
    int singleMarker = 1;
    bool secondMarkerVisible = false;
    QMap<Readout, QString> readouts;
    QString rangeNotice;

    QString lowerLimitText() const override { return lowerText; }
    QString upperLimitText() const override { return upperText; }
    void setLowerLimitText(const QString& text) override { lowerText = text; }
    void setUpperLimitText(const QString& text) override { upperText = text; }
    int fullSweepValue() const override { return fullSweep; }
    int holdValue() const override { return hold; }
    QString offsetText() const override { return offset; }
    float markerLineX(int marker) const override { return marker == 1 ? marker1X : marker2X; }
    double chartWidth() const override { return width; }
    QString readoutText(Readout readout) const override { return readouts.value(readout); }
    void setReadoutText(Readout readout, const QString& text) override {
        readouts.insert(readout, text);
    }
    void setRangeNotice(const QString& text) override { rangeNotice = text; }
    int singleMarkerValue() const override { return singleMarker; }
    void setSecondMarkerVisible(bool visible) override { secondMarkerVisible = visible; }
};

}  // namespace ravemo
