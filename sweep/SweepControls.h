#pragma once

#include <QString>

namespace ravemo {

// The readout boxes and labels the marker readouts fill; the window's names in comments.
enum class Readout {
    Mk1Phase,        // anglemk1, degrees
    Mk2Phase,        // anglemk2
    Mk1ReturnLoss,   // Text4, dB
    Mk2ReturnLoss,   // Text10
    Mk1Frequency,    // Label8 (a caption), Hz
    Mk2Frequency,    // Label14
    Mk1Reactance,    // Text6, |Xs| in ohms
    Mk2Reactance,    // Text11
    Mk1Resistance,   // Text7, Rs in ohms
    Mk2Resistance,   // Text12
    Mk1Swr,          // Text3
    Mk2Swr,          // Text9
    Mk1Impedance,    // Text8, |Z| in ohms
    Mk2Impedance,    // Text13
    Mk1Capacitance,  // Text14, equivalent capacitance in pF
    Mk2Capacitance,  // Text16
    Mk1Inductance,   // Text1, equivalent inductance in uH
    Mk2Inductance,   // Text2
};
inline constexpr int kReadoutCount = static_cast<int>(Readout::Mk2Inductance) + 1;

// What the limit boxes txtVal(0) and txtVal(1) hold when the window opens, MHz.
inline constexpr const char* kLowerLimitStartMHz = "1";
inline constexpr const char* kUpperLimitStartMHz = "50";

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
