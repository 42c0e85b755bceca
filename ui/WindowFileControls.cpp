#include "ui/WindowFileControls.h"

#include "common/CheckBoxValue.h"

#include <QCheckBox>
#include <QLineEdit>

namespace ravemo {

void WindowFileControls::setHoldValue(int value) {
    constexpr int kGreyed = 2;
    const Qt::CheckState state = value == kTicked   ? Qt::Checked
                                 : value == kGreyed ? Qt::PartiallyChecked
                                                    : Qt::Unchecked;
    c_.Check8->setCheckState(state);
}

QString WindowFileControls::lowerLimitText() const { return c_.txtVal[0]->text(); }
QString WindowFileControls::upperLimitText() const { return c_.txtVal[1]->text(); }
void WindowFileControls::setLowerLimitText(const QString& text) { c_.txtVal[0]->setText(text); }
void WindowFileControls::setUpperLimitText(const QString& text) { c_.txtVal[1]->setText(text); }

}  // namespace ravemo
