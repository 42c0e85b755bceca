#pragma once

#include <QString>

namespace ravemo {

// The readout boxes and labels the marker readouts fill, by their window names.
enum class Readout {
    Anglemk1,
    Anglemk2,  // phase, degrees
    Text4,
    Text10,  // return loss, dB
    Label8,
    Label14,  // marker frequency, Hz (label captions)
    Text6,
    Text11,  // |Xs|, ohms
    Text7,
    Text12,  // Rs, ohms
    Text3,
    Text9,  // SWR
    Text8,
    Text13,  // |Z|, ohms
    Text14,
    Text16,  // equivalent capacitance, pF
    Text1,
    Text2,  // equivalent inductance, uH
};

// What the sweep tick reads and writes on the window. The main window implements it; tests use
// plain members. Every value is read at the moment of use, never cached: other handlers run
// inside the sweep's yields and may change any of them.
class SweepControls {
  public:
    virtual ~SweepControls() = default;

    virtual QString lowerLimitText() const = 0;  // txtVal(0), MHz
    virtual QString upperLimitText() const = 0;  // txtVal(1), MHz
    virtual void setLowerLimitText(const QString& text) = 0;
    virtual void setUpperLimitText(const QString& text) = 0;
    virtual int fullSweepValue() const = 0;  // Check7: 0 unticked, 1 ticked
    virtual int holdValue() const = 0;       // Check8: any value but 0 holds
    virtual QString offsetText() const = 0;  // Text18, dB

    // Line1 (marker 1) or Line2 (marker 2) X1 in chart twips, and the chart's width in twips.
    virtual float markerLineX(int marker) const = 0;
    virtual double chartWidth() const = 0;

    virtual QString readoutText(Readout readout) const = 0;
    virtual void setReadoutText(Readout readout, const QString& text) = 0;

    // What the status strip says about the limits the tick just read: RangeNotice
    // (sweep/ReachableRange.h), empty while the synthesiser reaches both.
    virtual void setRangeNotice(const QString& text) = 0;

    virtual int singleMarkerValue() const = 0;  // Check9
    // Shows or hides MK2's readouts, frequency caption and label, colour button, line and tag.
    virtual void setSecondMarkerVisible(bool visible) = 0;
};

// What the sweep tick calls after the last point: the chart's two drawing procedures.
class SweepRedraw {
  public:
    virtual ~SweepRedraw() = default;
    virtual void redraw() = 0;
};

}  // namespace ravemo
