#include "ui/ChartGeometry.h"

#include <stdexcept>

#include <gtest/gtest.h>

namespace ravemo {
namespace {

constexpr double kDesignWidth = 8835;

TEST(ChartGeometry, XScaleIsSinglePrecisionAndRefusesNoSamples) {
    // 8835 / 7 is not representable; the result is the double quotient rounded to float.
    EXPECT_EQ(ChartGeometry::xScale(kDesignWidth, 7), static_cast<float>(kDesignWidth / 7));
    EXPECT_EQ(ChartGeometry::xScale(kDesignWidth, 6000), 1.4725F);
    EXPECT_THROW(ChartGeometry::xScale(kDesignWidth, 0), std::invalid_argument);
    EXPECT_THROW(ChartGeometry::xScale(kDesignWidth, -1), std::invalid_argument);
}

}  // namespace
}  // namespace ravemo
