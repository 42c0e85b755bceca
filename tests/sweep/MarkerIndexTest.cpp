#include "sweep/MarkerIndex.h"

#include <gtest/gtest.h>

#include <limits>

namespace ravemo {
namespace {

constexpr std::int32_t kChamp = 6000;
constexpr double kChartWidthTwips = 8835.0;

TEST(MarkerIndex, StepOneLimitsToTheSampleRange) {
    EXPECT_EQ(MarkerIndex(0.0F, kChartWidthTwips, kChamp, 1), 1);
    EXPECT_EQ(MarkerIndex(-300.0F, kChartWidthTwips, kChamp, 1), 1);
    EXPECT_EQ(MarkerIndex(8835.0F, kChartWidthTwips, kChamp, 1), kChamp);
    EXPECT_EQ(MarkerIndex(12000.0F, kChartWidthTwips, kChamp, 1), kChamp);
    // The design position of MK1: 6000 / 8835 x 2160 = 1466.89.
    EXPECT_EQ(MarkerIndex(2160.0F, kChartWidthTwips, kChamp, 1), 1467);
}

TEST(MarkerIndex, RoundsHalvesToEvenOnBothRoundings) {
    // One twip per index, so the line position is the unrounded index.
    EXPECT_EQ(MarkerIndex(2.5F, 100.0, 100, 1), 2);
    EXPECT_EQ(MarkerIndex(3.5F, 100.0, 100, 1), 4);
    EXPECT_EQ(MarkerIndex(10.0F, 100.0, 100, 4), 8);   // 10 / 4 = 2.5 -> 2
    EXPECT_EQ(MarkerIndex(14.0F, 100.0, 100, 4), 16);  // 14 / 4 = 3.5 -> 4
    EXPECT_EQ(MarkerIndex(1.0F, 100.0, 100, 4), 4);    // below Step -> Step
}

TEST(MarkerIndex, StepAboveChampGivesChamp) { EXPECT_EQ(MarkerIndex(50.0F, 100.0, 10, 20), 10); }

TEST(MarkerIndex, FarOutsideOrDegenerateChartSaturatesInsteadOfOverflowing) {
    const float huge = std::numeric_limits<float>::max();
    EXPECT_EQ(MarkerIndex(huge, kChartWidthTwips, kChamp, 1), kChamp);
    EXPECT_EQ(MarkerIndex(-huge, kChartWidthTwips, kChamp, 4), 4);
    EXPECT_EQ(MarkerIndex(100.0F, 0.0, kChamp, 1), kChamp);
    EXPECT_EQ(MarkerIndex(0.0F, 0.0, kChamp, 1), 1);
    const std::int32_t maxChamp = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(MarkerIndex(huge, 100.0, maxChamp, 4), maxChamp);
}

}  // namespace
}  // namespace ravemo
