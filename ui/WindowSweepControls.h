#pragma once

#include <array>
#include <vector>

#include "sweep/SweepControls.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace ravemo {

class ChartWidget;

// The widgets the sweep tick reads and writes.
struct SweepControlWidgets {
    QLineEdit* lowerLimit = nullptr;    // txtVal(0), MHz
    QLineEdit* upperLimit = nullptr;    // txtVal(1), MHz
    QCheckBox* fullSweep = nullptr;     // Check7
    QCheckBox* hold = nullptr;          // Check8
    QLineEdit* offset = nullptr;        // Text18, dB
    QCheckBox* singleMarker = nullptr;  // Check9
    ChartWidget* chart = nullptr;       // Picture1: the marker lines, MK2's line and tag
    // The readout boxes by Readout; the two frequency readouts are captions instead.
    std::array<QLineEdit*, kReadoutCount> readoutBoxes{};
    QLabel* mk1FrequencyCaption = nullptr;  // Label8
    QLabel* mk2FrequencyCaption = nullptr;  // Label14
    // What the single-marker switch hides with MK2's line and tag: its readouts, captions and
    // colour button.
    std::vector<QWidget*> secondMarkerWidgets;
};

// The sweep tick's view of chart1: every call reads or writes the live widget, so a handler
// that ran inside a yield is seen at once.
class WindowSweepControls final : public SweepControls {
  public:
    explicit WindowSweepControls(SweepControlWidgets widgets) : w_(std::move(widgets)) {}

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
    QLineEdit* box(Readout readout) const;
    QLabel* frequencyCaption(Readout readout) const;

    SweepControlWidgets w_;
};

}  // namespace ravemo
