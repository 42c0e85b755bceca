#pragma once

#include <Qt>

class QCheckBox;

namespace ravemo {

// A check box's value as the program reads it (common/CheckBoxValue.h: 0 unticked, 1 ticked,
// 2 greyed), and the state that shows a value.
int CheckValue(const QCheckBox* box);
Qt::CheckState CheckStateOf(int value);

}  // namespace ravemo
