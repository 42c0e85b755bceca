#pragma once

namespace ravemo {

// The values of a check box as the window's handlers and the sweep read them. The third,
// greyed, has a meaning only for Hold (any value but unticked holds).
inline constexpr int kUnticked = 0;
inline constexpr int kTicked = 1;
inline constexpr int kGreyed = 2;

}  // namespace ravemo
