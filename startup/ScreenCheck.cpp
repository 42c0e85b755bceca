#include "startup/ScreenCheck.h"

namespace ravemo {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kStandardDpi = 96.0;

}  // namespace

bool ScreenWarningNeeded(int widthPx, int heightPx, double dpi) {
    const double dotsPerInch = dpi > 0.0 ? dpi : kStandardDpi;
    const double widthTwips = widthPx * kTwipsPerInch / dotsPerInch;
    const double heightTwips = heightPx * kTwipsPerInch / dotsPerInch;
    return widthTwips < kSmallestScreenWidthTwips && heightTwips < kSmallestScreenHeightTwips;
}

}  // namespace ravemo
