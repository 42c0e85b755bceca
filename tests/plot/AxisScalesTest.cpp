#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <QLocale>

#include "plot/FrequencyLabels.h"
#include "plot/NiceTicks.h"
#include "plot/SwrScale.h"
#include "plot/TuningLayout.h"
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

// Each mapping of the tuning chart, worked by hand on a plot from (100, 50) to (900, 450):
// 14.0 MHz at the left edge, 14.4 MHz at the right; SWR 1 on the bottom edge, the scale's top on
// the top edge; the right axis from -100 ohms at the bottom to 300 ohms at the top. Screen y
// grows downwards. Every pixel maps back to its value.
TEST(AxisScalesTest, TheTuningChartsMappingsPointTheRightWayAndRoundTrip) {
    TuningLayout l;
    l.plot = QRectF(QPointF(100.0, 50.0), QPointF(900.0, 450.0));
    l.view = {14.0e6, 14.4e6};
    l.rightRange = {-100.0, 300.0};
    const SwrScale upTo3{3.0, false};
    const SwrScale log100{100.0, true};
    const struct {
        const char* what;
        SwrScale scale;
        double (TuningLayout::*toPixel)(double) const;
        double (TuningLayout::*toValue)(double) const;
        double value;
        double pixel;
        bool roundTrips;
    } cases[] = {
        {"low edge", upTo3, &TuningLayout::xOfHz, &TuningLayout::hzOfX, 14.0e6, 100.0, true},
        {"high edge", upTo3, &TuningLayout::xOfHz, &TuningLayout::hzOfX, 14.4e6, 900.0, true},
        {"a quarter in", upTo3, &TuningLayout::xOfHz, &TuningLayout::hzOfX, 14.1e6, 300.0, true},
        {"SWR 1 at the bottom", upTo3, &TuningLayout::yOfSwr, &TuningLayout::swrOfY, 1.0, 450.0,
         true},
        {"SWR 2 halfway", upTo3, &TuningLayout::yOfSwr, &TuningLayout::swrOfY, 2.0, 250.0, true},
        {"SWR 1.5 a quarter up", upTo3, &TuningLayout::yOfSwr, &TuningLayout::swrOfY, 1.5, 350.0,
         true},
        {"the top at the top", upTo3, &TuningLayout::yOfSwr, &TuningLayout::swrOfY, 3.0, 50.0,
         true},
        {"above the top: clamped", upTo3, &TuningLayout::yOfSwr, nullptr, 5.0, 50.0, false},
        {"below 1: clamped", upTo3, &TuningLayout::yOfSwr, nullptr, 0.5, 450.0, false},
        {"log: SWR 10 halfway", log100, &TuningLayout::yOfSwr, &TuningLayout::swrOfY, 10.0, 250.0,
         true},
        {"log: SWR 100 at the top", log100, &TuningLayout::yOfSwr, &TuningLayout::swrOfY, 100.0,
         50.0, true},
        // Curves go on above the plot: SWR 4 is 1.5 plot heights up, 5 and beyond 2 at most.
        {"beyond: SWR 2 as ever", upTo3, &TuningLayout::yOfSwrBeyondTop, nullptr, 2.0, 250.0,
         false},
        {"beyond: SWR 4", upTo3, &TuningLayout::yOfSwrBeyondTop, nullptr, 4.0, -150.0, false},
        {"beyond: infinite", upTo3, &TuningLayout::yOfSwrBeyondTop, nullptr, kInfinity, -350.0,
         false},
        {"log beyond: SWR 1000", log100, &TuningLayout::yOfSwrBeyondTop, nullptr, 1000.0, -150.0,
         false},
        {"right: low at the bottom", upTo3, &TuningLayout::yOfRight, &TuningLayout::rightOfY,
         -100.0, 450.0, true},
        {"right: zero a quarter up", upTo3, &TuningLayout::yOfRight, &TuningLayout::rightOfY, 0.0,
         350.0, true},
        {"right: high at the top", upTo3, &TuningLayout::yOfRight, &TuningLayout::rightOfY, 300.0,
         50.0, true},
        {"right: above: clamped", upTo3, &TuningLayout::yOfRight, nullptr, 500.0, 50.0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        l.swrScale = c.scale;
        EXPECT_NEAR((l.*c.toPixel)(c.value), c.pixel, 1e-9);
        if (c.roundTrips) {
            EXPECT_NEAR((l.*c.toValue)(c.pixel), c.value, std::fabs(c.value) * 1e-12 + 1e-12);
        }
    }
}

}  // namespace
}  // namespace ravemo
