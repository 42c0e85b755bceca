#include "ui/WindowCurveControls.h"

#include <QCheckBox>
#include <QLineEdit>

#include "ui/CheckBoxes.h"

namespace ravemo {

int WindowCurveControls::curveSwitchValue(CurveSwitch which) const {
    return CheckValue(w_.switches.at(static_cast<std::size_t>(which)));
}

// Disabled while a calibration corrects the readings: not applied (WindowSweepControls too).
QString WindowCurveControls::offsetText() const {
    return w_.offset->isEnabled() ? w_.offset->text() : QStringLiteral("0");
}

void WindowCurveControls::setSweepTimeText(const QString& text) { w_.sweepTime->setText(text); }

}  // namespace ravemo
