#include "ui/WindowFileControls.h"

#include "common/CheckBoxValue.h"
#include "ui/WindowSweepControls.h"

#include <QCheckBox>
#include <QLineEdit>

namespace ravemo {

namespace {

Qt::CheckState checkState(int value) {
    constexpr int kGreyed = 2;
    return value == kTicked ? Qt::Checked : value == kGreyed ? Qt::PartiallyChecked : Qt::Unchecked;
}

}  // namespace

int WindowFileControls::holdValue() const { return checkValue(c_.Check8); }

void WindowFileControls::setHoldValue(int value) { c_.Check8->setCheckState(checkState(value)); }

void WindowFileControls::setFullSweepValue(int value) {
    c_.Check7->setCheckState(checkState(value));
}

QString WindowFileControls::lowerLimitText() const { return c_.txtVal[0]->text(); }
QString WindowFileControls::upperLimitText() const { return c_.txtVal[1]->text(); }
void WindowFileControls::setLowerLimitText(const QString& text) { c_.txtVal[0]->setText(text); }
void WindowFileControls::setUpperLimitText(const QString& text) { c_.txtVal[1]->setText(text); }

}  // namespace ravemo
