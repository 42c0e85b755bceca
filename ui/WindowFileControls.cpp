#include "ui/WindowFileControls.h"

#include <QCheckBox>
#include <QLineEdit>

#include "ui/CheckBoxes.h"

namespace ravemo {

int WindowFileControls::holdValue() const { return CheckValue(w_.hold); }
void WindowFileControls::setHoldValue(int value) { w_.hold->setCheckState(CheckStateOf(value)); }
void WindowFileControls::setFullSweepValue(int value) {
    w_.fullSweep->setCheckState(CheckStateOf(value));
}

QString WindowFileControls::lowerLimitText() const { return w_.lowerLimit->text(); }
QString WindowFileControls::upperLimitText() const { return w_.upperLimit->text(); }
void WindowFileControls::setLowerLimitText(const QString& text) { w_.lowerLimit->setText(text); }
void WindowFileControls::setUpperLimitText(const QString& text) { w_.upperLimit->setText(text); }

}  // namespace ravemo
