#include "ui/ChartGeometry.h"

#include <stdexcept>

#include <gtest/gtest.h>

namespace ravemo {
namespace {

constexpr double kDesignTop = 315;
constexpr double kDesignHeight = 3795;
constexpr double kDesignWidth = 8835;

TEST(ChartGeometry, DesignChartPlacesScaleLabels) {
    const auto tops = ChartGeometry::scaleLabelTops(kDesignTop, kDesignHeight);
    // Right-hand scale in quarters.
    EXPECT_DOUBLE_EQ(tops.label19, 215);
    EXPECT_DOUBLE_EQ(tops.label32, 1163.75);
    EXPECT_DOUBLE_EQ(tops.label31, 2112.5);
    EXPECT_DOUBLE_EQ(tops.label33, 3061.25);
    EXPECT_DOUBLE_EQ(tops.label20, 4010);
    // Left-hand scale in thirds.
    EXPECT_DOUBLE_EQ(tops.label29, 1480);
    EXPECT_DOUBLE_EQ(tops.label30, 2745);
    EXPECT_DOUBLE_EQ(tops.label18, 4010);
}

TEST(ChartGeometry, DesignChartPlacesGridTagsAndScale) {
    const auto grid = ChartGeometry::gridHeights(kDesignHeight);
    EXPECT_DOUBLE_EQ(grid.line6, 948.75);
    EXPECT_DOUBLE_EQ(grid.line5, 1897.5);
    EXPECT_DOUBLE_EQ(grid.line7, 2846.25);
    EXPECT_DOUBLE_EQ(grid.line3, 1265);
    EXPECT_DOUBLE_EQ(grid.line4, 2530);
    EXPECT_DOUBLE_EQ(ChartGeometry::markerTagTop(kDesignHeight), 3545);
    EXPECT_EQ(ChartGeometry::xScale(kDesignWidth, 6000), 1.4725F);
}

TEST(ChartGeometry, AnotherChartMovesEverythingWithIt) {
    const auto tops = ChartGeometry::scaleLabelTops(600, 2400);
    EXPECT_DOUBLE_EQ(tops.label19, 500);
    EXPECT_DOUBLE_EQ(tops.label32, 1100);
    EXPECT_DOUBLE_EQ(tops.label29, 1300);
    EXPECT_DOUBLE_EQ(tops.label20, 2900);
    EXPECT_DOUBLE_EQ(ChartGeometry::gridHeights(2400).line4, 1600);
    EXPECT_DOUBLE_EQ(ChartGeometry::markerTagTop(2400), 2150);
}

TEST(ChartGeometry, XScaleIsSinglePrecisionAndRefusesNoSamples) {
    // 8835 / 7 is not representable; the result is the double quotient rounded to float.
    EXPECT_EQ(ChartGeometry::xScale(kDesignWidth, 7), static_cast<float>(kDesignWidth / 7));
    EXPECT_THROW(ChartGeometry::xScale(kDesignWidth, 0), std::invalid_argument);
    EXPECT_THROW(ChartGeometry::xScale(kDesignWidth, -1), std::invalid_argument);
}

}  // namespace
}  // namespace ravemo
