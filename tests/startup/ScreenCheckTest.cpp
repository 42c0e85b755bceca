#include <gtest/gtest.h>

#include "startup/ScreenCheck.h"

namespace ravemo {
namespace {

TEST(ScreenCheck, WarnsOnlyWhenBothSizesAreBelowTheirLimits) {
    EXPECT_FALSE(ScreenWarningNeeded(800, 600, 96.0));  // exactly 12000 x 9000 twips
    EXPECT_TRUE(ScreenWarningNeeded(640, 480, 96.0));
    EXPECT_TRUE(ScreenWarningNeeded(800, 600, 120.0));    // 9600 x 7200 twips
    EXPECT_FALSE(ScreenWarningNeeded(1024, 768, 120.0));  // 12288 x 9216 twips
    EXPECT_FALSE(ScreenWarningNeeded(640, 600, 96.0));    // narrow but tall enough
    EXPECT_FALSE(ScreenWarningNeeded(800, 480, 96.0));    // wide enough but low
    EXPECT_TRUE(ScreenWarningNeeded(799, 599, 96.0));
}

TEST(ScreenCheck, TakesStandardDpiWhenTheScreenReportsNone) {
    EXPECT_FALSE(ScreenWarningNeeded(800, 600, 0.0));
    EXPECT_TRUE(ScreenWarningNeeded(640, 480, -1.0));
}

}  // namespace
}  // namespace ravemo
