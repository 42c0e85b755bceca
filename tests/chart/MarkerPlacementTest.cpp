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

TEST(MarkerPlacement, LeftButtonPutsMk1TagLeftOfItsLine) {
    Markers m;
    PlaceMarker(m.parts(), kLeftButton, 4000.0);
    EXPECT_EQ(m.line1.x1, 4000.0);
    EXPECT_EQ(m.line1.x2, 4000.0);
    EXPECT_EQ(m.tag1.left, 3600.0);
    EXPECT_EQ(m.line1.y2, 3795.0);
    EXPECT_EQ(m.tag1.top, 3545.0);
    EXPECT_EQ(m.line2.x1, 3960.0);
    EXPECT_EQ(m.tag2.left, 3990.0);
}

TEST(MarkerPlacement, RightButtonMovesEvenAHiddenMk2) {
    Markers m;
    PlaceMarker(m.parts(), kRightButton, 4000.0);
    EXPECT_EQ(m.line2.x1, 4000.0);
    EXPECT_EQ(m.line2.x2, 4000.0);
    EXPECT_EQ(m.tag2.left, 4000.0);
    EXPECT_FALSE(m.line2.visible);
    EXPECT_EQ(m.line1.x1, 2160.0);
}

TEST(MarkerPlacement, OtherButtonsChangeNothing) {
    for (int button : {0, kMiddleButton, 8}) {
        Markers m;
        PlaceMarker(m.parts(), button, 4000.0);
        EXPECT_EQ(m.line1.x1, 2160.0);
        EXPECT_EQ(m.tag1.left, 2205.0);
        EXPECT_EQ(m.line2.x1, 3960.0);
        EXPECT_EQ(m.tag2.left, 3990.0);
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
