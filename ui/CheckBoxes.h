#pragma once

#include <Qt>

class QCheckBox;

namespace ravemo {

// A check box's value as the program reads it (common/CheckBoxValue.h: 0 unticked, 1 ticked,
// 2 greyed), and the state that shows a value.
int checkValue(const QCheckBox* box);
Qt::CheckState checkStateOf(int value);

}  // namespace ravemo
