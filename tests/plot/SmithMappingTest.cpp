// Known impedances land where every Smith chart puts them.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "plot/SmithMapping.h"

namespace ravemo {
namespace {

TEST(SmithMappingTest, KnownImpedancesLandOnTheirPlaces) {
    // A circle of radius 100 about (200, 150): y grows downwards.
    const SmithCircle circle{{200.0, 150.0}, 100.0};
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* what;
        std::complex<double> z;
        QPointF expected;
    } cases[] = {
        {"50 ohms at the centre", {50.0, 0.0}, {200.0, 150.0}},
        {"the short at the left", {0.0, 0.0}, {100.0, 150.0}},
        {"the open at the right", {inf, 0.0}, {300.0, 150.0}},
        {"an open of infinite reactance at the right", {0.0, inf}, {300.0, 150.0}},
        {"+j50 on the upper circle", {0.0, 50.0}, {200.0, 50.0}},
        {"-j50 on the lower circle", {0.0, -50.0}, {200.0, 250.0}},
        {"25 ohms a third of the way to the short", {25.0, 0.0}, {200.0 - 100.0 / 3.0, 150.0}},
        {"50 + j50 up and right", {50.0, 50.0}, {220.0, 110.0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QPointF p = circle.pointOfImpedance(c.z);
        EXPECT_NEAR(p.x(), c.expected.x(), 1e-9);
        EXPECT_NEAR(p.y(), c.expected.y(), 1e-9);
        const std::complex<double> back = circle.reflectionAt(p);
        EXPECT_NEAR(std::abs(back - SmithReflection(c.z)), 0.0, 1e-12);
    }
}

}  // namespace
}  // namespace ravemo
