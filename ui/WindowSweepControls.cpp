#include "ui/WindowSweepControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/CheckBoxes.h"
#include "ui/chart/ChartWidget.h"

namespace ravemo {

QLineEdit* WindowSweepControls::box(Readout readout) const {
    return w_.readoutBoxes.at(static_cast<std::size_t>(readout));
}

QLabel* WindowSweepControls::frequencyCaption(Readout readout) const {
    return readout == Readout::Mk1Frequency ? w_.mk1FrequencyCaption : w_.mk2FrequencyCaption;
}

QString WindowSweepControls::lowerLimitText() const { return w_.lowerLimit->text(); }
QString WindowSweepControls::upperLimitText() const { return w_.upperLimit->text(); }
void WindowSweepControls::setLowerLimitText(const QString& text) { w_.lowerLimit->setText(text); }
void WindowSweepControls::setUpperLimitText(const QString& text) { w_.upperLimit->setText(text); }
int WindowSweepControls::fullSweepValue() const { return CheckValue(w_.fullSweep); }
int WindowSweepControls::holdValue() const { return CheckValue(w_.hold); }
// The box is disabled while a calibration corrects the readings: an offset shown as not in use
// is not applied either.
QString WindowSweepControls::offsetText() const {
    return w_.offset->isEnabled() ? w_.offset->text() : QStringLiteral("0");
}

float WindowSweepControls::markerLineX(int marker) const {
    return static_cast<float>(w_.chart->line(marker).x1);
}

double WindowSweepControls::chartWidth() const { return w_.chart->widthTwips(); }

QString WindowSweepControls::readoutText(Readout readout) const {
    if (QLineEdit* readoutBox = box(readout)) return readoutBox->text();
    return frequencyCaption(readout)->text();
}

void WindowSweepControls::setReadoutText(Readout readout, const QString& text) {
    if (QLineEdit* readoutBox = box(readout)) {
        readoutBox->setText(text);
        // Show the start of a long number, not its end.
        readoutBox->setCursorPosition(0);
        return;
    }
    frequencyCaption(readout)->setText(text);
}

int WindowSweepControls::singleMarkerValue() const { return CheckValue(w_.singleMarker); }

void WindowSweepControls::setSecondMarkerVisible(bool visible) {
    for (QWidget* widget : w_.secondMarkerWidgets) widget->setVisible(visible);
    w_.chart->setMarkerVisible(2, visible);
}

}  // namespace ravemo
