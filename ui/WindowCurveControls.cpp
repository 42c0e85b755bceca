#include "ui/WindowCurveControls.h"

#include <QCheckBox>
#include <QLineEdit>

#include "ui/WindowSweepControls.h"

namespace ravemo {

int WindowCurveControls::curveSwitchValue(CurveSwitch which) const {
    switch (which) {
        case CurveSwitch::Phase:
            return checkValue(c_.Check1);
        case CurveSwitch::Xs:
            return checkValue(c_.Check2);
        case CurveSwitch::Rs:
            return checkValue(c_.Check3);
        case CurveSwitch::Z:
            return checkValue(c_.Check4);
        case CurveSwitch::ReturnLoss:
            return checkValue(c_.Check5);
        case CurveSwitch::Swr:
            return checkValue(c_.Check6);
    }
    return 0;
}

QString WindowCurveControls::offsetText() const { return c_.Text18->text(); }

void WindowCurveControls::setSweepTimeText(const QString& text) { c_.Text5->setText(text); }

}  // namespace ravemo
