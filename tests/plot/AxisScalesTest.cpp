#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <QLocale>

#include "plot/FrequencyLabels.h"
#include "plot/NiceTicks.h"
#include "plot/SwrScale.h"
#include "plot/ValueRange.h"

namespace ravemo {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct FrequencyTicksCase {
    double lowMHz;
    double highMHz;
    double stepHz;
    const char* first;
    const char* last;
};

TEST(AxisScalesTest, FrequencyTicksHaveANiceStepAndJustEnoughDecimals) {
    const FrequencyTicksCase cases[] = {
        {14.0, 14.001, 100.0, "14.0000", "14.0010"},  // 1 kHz
        {7.0995, 7.1013, 200.0, "7.0996", "7.1012"},  // ends between ticks
        {14.0, 14.01, 1'000.0, "14.000", "14.010"},   // 10 kHz
        {14.0, 14.35, 50'000.0, "14.00", "14.35"},    // the 20 m band
        {13.0, 15.5, 500'000.0, "13.0", "15.5"},      // a dipole's dip
        {1.0, 31.0, 5e6, "5", "30"},                  // HF
        {0.0, 90.0, 10e6, "0", "90"},                 // the synthesiser's whole range
        {0.0001, 90.0036, 10e6, "10", "90"},
    };
    for (const FrequencyTicksCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lowMHz << " to " << c.highMHz << " MHz");
        const LinearTicks ticks = NiceLinearTicks(c.lowMHz * 1e6, c.highMHz * 1e6, 10);
        EXPECT_NEAR(ticks.step, c.stepHz, c.stepHz * 1e-9);
        ASSERT_FALSE(ticks.values.empty());
        const int decimals = MHzDecimalsForStep(ticks.step);
        EXPECT_EQ(MHzText(ticks.values.front(), decimals, QLocale::c()), c.first);
        EXPECT_EQ(MHzText(ticks.values.back(), decimals, QLocale::c()), c.last);
    }
}

TEST(AxisScalesTest, LabelsUseTheLocalesDecimalSeparatorAndNoGroupsOrNegativeZero) {
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(MHzText(14.0001e6, 4, german), "14,0001");
    EXPECT_EQ(FixedText(1500.0, 0, QLocale(QLocale::English, QLocale::UnitedStates)), "1500");
    EXPECT_EQ(FixedText(-0.0004, 2, QLocale::c()), "0.00");
}

TEST(AxisScalesTest, DegenerateRangesGiveNoTicks) {
    EXPECT_TRUE(NiceLinearTicks(5.0, 5.0, 10).values.empty());
    EXPECT_TRUE(NiceLinearTicks(0.0, kInfinity, 10).values.empty());
    EXPECT_TRUE(NiceLinearTicks(std::nan(""), 1.0, 10).values.empty());
}

// Linear scales always label SWR 1; the logarithmic one has 1, 2, 5 per decade.
TEST(AxisScalesTest, SwrTicks) {
    const struct {
        SwrScaleChoice choice;
        int intervals;
        std::vector<double> ticks;
    } cases[] = {
        {SwrScaleChoice::UpTo2, 5, {1.0, 1.2, 1.4, 1.6, 1.8, 2.0}},
        {SwrScaleChoice::UpTo10, 5, {1.0, 2.0, 4.0, 6.0, 8.0, 10.0}},
        {SwrScaleChoice::Logarithmic, 10, {1, 2, 5, 10, 20, 50, 100}},
    };
    for (const auto& c : cases) {
        const SwrTicks ticks = SwrScaleTicks(ResolveSwrScale(c.choice, {}), c.intervals);
        ASSERT_EQ(ticks.values.size(), c.ticks.size());
        for (std::size_t i = 0; i < c.ticks.size(); ++i) {
            EXPECT_NEAR(ticks.values[i], c.ticks[i], 1e-12);
        }
    }
}

TEST(AxisScalesTest, SwrScalesPutOneAtTheBottomAndClipAboveTheTop) {
    const struct {
        SwrScaleChoice choice;
        std::optional<double> lowestVisible;
        double swr;
        double fraction;  // 0 at the bottom, 1 at the top
    } cases[] = {
        {SwrScaleChoice::UpTo2, {}, 1.5, 0.5},
        {SwrScaleChoice::UpTo2, {}, 3.0, 1.0},
        {SwrScaleChoice::UpTo2, {}, kInfinity, 1.0},
        {SwrScaleChoice::UpTo1_5, {}, 1.25, 0.5},
        {SwrScaleChoice::UpTo3, {}, 2.0, 0.5},
        {SwrScaleChoice::UpTo5, {}, 3.0, 0.5},
        {SwrScaleChoice::UpTo10, {}, 5.5, 0.5},
        {SwrScaleChoice::Logarithmic, {}, 10.0, 0.5},
        {SwrScaleChoice::Logarithmic, {}, 1000.0, 1.0},
        // Automatic: the smallest top that holds 1.5 times the lowest SWR in view.
        {SwrScaleChoice::Automatic, 1.05, 2.0, 1.0},
        {SwrScaleChoice::Automatic, 1.3, 2.0, 1.0},
        {SwrScaleChoice::Automatic, 1.4, 2.0, 0.5},
        {SwrScaleChoice::Automatic, 2.5, 3.0, 0.5},
        {SwrScaleChoice::Automatic, 8.0, 5.5, 0.5},
        {SwrScaleChoice::Automatic, {}, 5.5, 0.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.choice) << " SWR " << c.swr);
        const SwrScale scale = ResolveSwrScale(c.choice, c.lowestVisible);
        EXPECT_NEAR(scale.fractionOf(c.swr), c.fraction, 1e-12);
        if (c.fraction < 1.0) {
            EXPECT_NEAR(scale.swrAtFraction(c.fraction), c.swr, 1e-9);
        }
    }
}

TEST(AxisScalesTest, RoundRangesHoldTheValuesAndTheirFloorOrZero) {
    for (const auto& [range, low, high] :
         {std::tuple{RoundRangeWithZero(72.9, 160.0, 10.0, 8), 0.0, 160.0},
          std::tuple{RoundRangeWithZero(-140.0, 150.0, 10.0, 8), -150.0, 150.0},
          std::tuple{RoundRangeWithZero(-0.2, 0.3, 10.0, 5), -6.0, 6.0},
          std::tuple{RoundRangeWithZero(-3.0, -1.0, 10.0, 5), -10.0, 0.0},
          std::tuple{RoundRangeAround(14.2e6, 14.2e6, 10e3, 0.0, 2), 14.195e6, 14.205e6},
          std::tuple{RoundRangeAround(1.02, 1.1, 0.5, 1.0, 2), 1.0, 1.5}}) {
        EXPECT_NEAR(range.low, low, 1e-6);
        EXPECT_NEAR(range.high, high, 1e-6);
    }
}

}  // namespace
}  // namespace ravemo
