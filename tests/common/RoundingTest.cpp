#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/Rounding.h"

namespace ravemo {
namespace {

TEST(Rounding, TiesGoToTheEvenInteger) {
    EXPECT_EQ(RoundHalfEven(0.5), 0.0);
    EXPECT_EQ(RoundHalfEven(1.5), 2.0);
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(RoundHalfEven(2.5000001), 3.0);
    EXPECT_EQ(RoundHalfEven(-3.7), -4.0);
}

TEST(Rounding, Int32RefusesWhatDoesNotFit) {
    EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(RoundToInt32(-2147483648.5), std::numeric_limits<std::int32_t>::min());
    EXPECT_FALSE(RoundToInt32(2147483647.5));
    EXPECT_FALSE(RoundToInt32(-2147483649.0));
    EXPECT_FALSE(RoundToInt32(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(RoundToInt32(HUGE_VAL));
    EXPECT_EQ(RoundToInt32(6000.5), 6000);
}

}  // namespace
}  // namespace ravemo
