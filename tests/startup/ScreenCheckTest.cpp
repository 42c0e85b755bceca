#include <gtest/gtest.h>

#include "startup/ScreenCheck.h"

namespace ravemo {
namespace {

// The warning needs both sizes below 12000 x 9000 twips; no DPI reported counts as 96.
TEST(ScreenCheck, WarnsOnlyWhenBothSizesAreBelowTheirLimits) {
    const struct {
        int width;
        int height;
        double dpi;
        bool warns;
    } cases[] = {
        {800, 600, 96.0, false},  // exactly the limits
        {799, 599, 96.0, true},   // both below
        {640, 600, 96.0, false},  // narrow but tall enough
        {800, 480, 96.0, false},  // wide enough but low
        {800, 600, 120.0, true},  // 9600 x 7200 twips
        {800, 600, 0.0, false},   // no DPI: 96
        {799, 599, -1.0, true},   // no DPI: 96
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScreenWarningNeeded(c.width, c.height, c.dpi), c.warns)
            << c.width << " " << c.dpi;
    }
}

}  // namespace
}  // namespace ravemo
