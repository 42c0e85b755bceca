#pragma once

namespace ravemo {

// The smallest screen the window is laid out for, in twips (1/1440 inch): 800 x 600 pixels
// at 96 dots per inch.
inline constexpr double kSmallestScreenWidthTwips = 12000.0;
inline constexpr double kSmallestScreenHeightTwips = 9000.0;

// True when the screen is below the suggested size both across and down (a screen that is
// only narrow, or only low, is left alone). Sizes in pixels; `dpi` is the logical dots per
// inch (96 when not positive).
bool ScreenWarningNeeded(int widthPx, int heightPx, double dpi);

}  // namespace ravemo
