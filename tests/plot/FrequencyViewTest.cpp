// Zoom, pan and reset of the visible window never leave the data or go narrower than a few samples.

#include <gtest/gtest.h>

#include <limits>

#include "plot/FrequencyView.h"

namespace ravemo {
namespace {

// 1001 samples from 10 to 20 MHz: 10 kHz apart, so the narrowest view spans 40 kHz.
const ViewLimits kLimits{10e6, 20e6, 40e3};

struct ViewCase {
    const char* what;
    FrequencyView result;
    FrequencyView expected;
};

TEST(FrequencyViewTest, StaysInsideTheDataAndWiderThanAFewSamples) {
    const FrequencyView full = FullView(kLimits);
    const FrequencyView middle{14e6, 16e6};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const ViewCase cases[] = {
        {"zoom keeps the mouse's point", ZoomView(full, kLimits, 2.0, 12e6), {11e6, 16e6}},
        {"zoom stops at the narrowest", ZoomView(middle, kLimits, 1e6, 15e6), {14.98e6, 15.02e6}},
        {"zoom out stops at the data", ZoomView(middle, kLimits, 0.01, 15e6), full},
        {"zoom out slides inside", ZoomView({10e6, 12e6}, kLimits, 0.5, 12e6), {10e6, 14e6}},
        {"a factor that is no number", ZoomView(middle, kLimits, nan, 15e6), middle},
        {"a zero factor", ZoomView(middle, kLimits, 0.0, 15e6), middle},
        {"pan", PanView(middle, kLimits, 1e6), {15e6, 17e6}},
        {"pan stops at the top", PanView(middle, kLimits, 100e6), {18e6, 20e6}},
        {"pan stops at the bottom", PanView(middle, kLimits, -100e6), {10e6, 12e6}},
        {"wider than the data", FitView({0.0, 100e6}, kLimits), full},
        {"an empty view is the data", FitView({15e6, 15e6}, kLimits), full},
        {"a view beyond the data slides in", FitView({25e6, 26e6}, kLimits), {19e6, 20e6}},
    };
    for (const ViewCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(c.result.lowHz, c.expected.lowHz, 1e-3);
        EXPECT_NEAR(c.result.highHz, c.expected.highHz, 1e-3);
    }

    // The limits come from the samples; one sample still gives a window to draw in.
    std::vector<AntennaSample> samples(1001);
    for (std::size_t i = 0; i < samples.size(); ++i) samples[i].hz = 10e6 + 10e3 * i;
    const ViewLimits limits = ViewLimitsOf(samples);
    EXPECT_DOUBLE_EQ(limits.lowHz, 10e6);
    EXPECT_DOUBLE_EQ(limits.highHz, 20e6);
    EXPECT_DOUBLE_EQ(limits.narrowestSpanHz, 40e3);
    const ViewLimits one = ViewLimitsOf({samples.front()});
    EXPECT_GT(one.highHz, one.lowHz);
    EXPECT_LE(one.lowHz, 10e6);
    EXPECT_GE(one.highHz, 10e6);
}

}  // namespace
}  // namespace ravemo
