#pragma once

#include <QRect>

namespace ravemo {

// Where a window of `wanted` geometry goes on a screen whose room for windows is `available`:
// unchanged when it fits; else as large as `share` of the room (a size remembered on a larger
// screen, or a first size too large for this one), moved inside the room so that no edge, and
// no control along it, lies off the screen.
QRect FittedOnScreen(const QRect& wanted, const QRect& available, double share);

}  // namespace ravemo
