#pragma once

#include <QMap>
#include <QString>

#include "sweep/ChartDesign.h"
#include "sweep/SweepControls.h"

namespace ravemo {

// The window's sweep controls as plain values, for running the sweep engine and the marker
// readouts without a window (ravemo-cli, the tests). They start as the window's stand after
// its load: limits "1" and "50", offset "0", Single marker ticked, the markers and the chart
// where the window lays them out.
class PlainSweepControls : public SweepControls {
  public:
    QString lowerLimit = QString::fromLatin1(kLowerLimitStartMHz);
    QString upperLimit = QString::fromLatin1(kUpperLimitStartMHz);
    int fullSweep = 0;
    int hold = 0;
    QString offset = QStringLiteral("0");
    float marker1X = static_cast<float>(kMarker1StartTwips);
    float marker2X = static_cast<float>(kMarker2StartTwips);
    double width = kChartWidthTwips;
    int singleMarker = 1;
    bool secondMarkerVisible = true;
    QMap<Readout, QString> readouts;  // "" for a readout never written

    QString lowerLimitText() const override { return lowerLimit; }
    QString upperLimitText() const override { return upperLimit; }
    void setLowerLimitText(const QString& text) override { lowerLimit = text; }
    void setUpperLimitText(const QString& text) override { upperLimit = text; }
    int fullSweepValue() const override { return fullSweep; }
    int holdValue() const override { return hold; }
    QString offsetText() const override { return offset; }
    float markerLineX(int marker) const override { return marker == 1 ? marker1X : marker2X; }
    double chartWidth() const override { return width; }
    QString readoutText(Readout readout) const override { return readouts.value(readout); }
    void setReadoutText(Readout readout, const QString& text) override {
        readouts.insert(readout, text);
    }
    int singleMarkerValue() const override { return singleMarker; }
    void setSecondMarkerVisible(bool visible) override { secondMarkerVisible = visible; }
};

}  // namespace ravemo
