#pragma once

namespace ravemo {

// The values of a check box as the window's handlers and the sweep read them. A third value
// (2, greyed) exists; only Hold gives it a meaning (any value but unticked holds).
inline constexpr int kUnticked = 0;
inline constexpr int kTicked = 1;

}  // namespace ravemo
