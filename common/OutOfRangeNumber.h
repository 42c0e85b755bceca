#pragma once

#include <QStringView>

namespace ravemo {

// True when `text` (blanks around it allowed) is a point-decimal number, such as "1e400",
// whose magnitude no double can hold. Such a text is a number out of range rather than no
// number at all, and the messages say so.
bool IsOutOfRangeNumber(QStringView text);

}  // namespace ravemo
