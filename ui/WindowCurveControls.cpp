#include "ui/WindowCurveControls.h"

#include <QCheckBox>
#include <QLineEdit>

#include "ui/CheckBoxes.h"

namespace ravemo {

int WindowCurveControls::curveSwitchValue(CurveSwitch which) const {
    return CheckValue(w_.switches.at(static_cast<std::size_t>(which)));
}

QString WindowCurveControls::offsetText() const { return w_.offset->text(); }

void WindowCurveControls::setSweepTimeText(const QString& text) { w_.sweepTime->setText(text); }

}  // namespace ravemo
