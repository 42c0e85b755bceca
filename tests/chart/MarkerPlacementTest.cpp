#include <gtest/gtest.h>

#include "ui/chart/MarkerPlacement.h"

namespace ravemo {
namespace {

struct Markers {
    ChartLine line1{2160, 0, 2160, 3795, Qt::red, true};
    ChartTag tag1{QStringLiteral("MK1"), 2205, 3545, 400, 225, Qt::red, true};
    ChartLine line2{3960, 0, 3960, 3795, Qt::blue, false};
    ChartTag tag2{QStringLiteral("MK2"), 3990, 3545, 400, 225, Qt::blue, false};

    MarkerParts parts() { return {line1, tag1, line2, tag2}; }
};

// The left button moves MK1 with its tag left of the line, the right one MK2 (even hidden)
// with its tag right of it; any other button moves nothing. Heights never change.
TEST(MarkerPlacement, EachButtonMovesItsOwnMarker) {
    const struct {
        int button;
        double line1, tag1, line2, tag2;
    } cases[] = {
        {kLeftButton, 4000, 3600, 3960, 3990}, {kRightButton, 2160, 2205, 4000, 4000},
        {0, 2160, 2205, 3960, 3990},           {kMiddleButton, 2160, 2205, 3960, 3990},
        {8, 2160, 2205, 3960, 3990},
    };
    for (const auto& c : cases) {
        Markers m;
        PlaceMarker(m.parts(), c.button, 4000.0);
        EXPECT_EQ(m.line1.x1, c.line1) << c.button;
        EXPECT_EQ(m.line1.x2, c.line1) << c.button;
        EXPECT_EQ(m.tag1.left, c.tag1) << c.button;
        EXPECT_EQ(m.line2.x1, c.line2) << c.button;
        EXPECT_EQ(m.line2.x2, c.line2) << c.button;
        EXPECT_EQ(m.tag2.left, c.tag2) << c.button;
        EXPECT_EQ(m.line1.y2, 3795.0);
        EXPECT_EQ(m.tag1.top, 3545.0);
        EXPECT_FALSE(m.line2.visible);
    }
}

TEST(MarkerPlacement, PositionIsKeptAsReleasedInSinglePrecisionEvenOffTheChart) {
    Markers m;
    PlaceMarker(m.parts(), kLeftButton, 1234.5678901);
    EXPECT_EQ(m.line1.x1, static_cast<double>(1234.5678901F));
    PlaceMarker(m.parts(), kRightButton, -500.25);
    EXPECT_EQ(m.line2.x1, -500.25);
    PlaceMarker(m.parts(), kRightButton, 99999.0);
    EXPECT_EQ(m.line2.x2, 99999.0);
}

}  // namespace
}  // namespace ravemo
