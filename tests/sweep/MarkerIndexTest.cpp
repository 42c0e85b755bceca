#include "sweep/MarkerIndex.h"

#include <gtest/gtest.h>

#include <limits>

namespace ravemo {
namespace {

TEST(MarkerIndex, MapsTheLineToAStepIndexWithinTheSamples) {
    constexpr float kHuge = std::numeric_limits<float>::max();
    constexpr std::int32_t kLargestChamp = std::numeric_limits<std::int32_t>::max();
    const struct {
        float lineX;
        double width;
        std::int32_t champ;
        std::int16_t step;
        std::int32_t index;
    } cases[] = {
        {0.0F, 8835.0, 6000, 1, 1},  // the left edge
        {-300.0F, 8835.0, 6000, 1, 1},
        {8835.0F, 8835.0, 6000, 1, 6000},  // the right edge and beyond
        {12000.0F, 8835.0, 6000, 1, 6000},
        {2160.0F, 8835.0, 6000, 1, 1467},  // where MK1 starts: 1466.89
        {2.5F, 100.0, 100, 1, 2},          // ties to even
        {3.5F, 100.0, 100, 1, 4},
        {10.0F, 100.0, 100, 4, 8},  // 10 / 4 = 2.5 -> 2 steps
        {14.0F, 100.0, 100, 4, 16},
        {1.0F, 100.0, 100, 4, 4},        // below Step -> Step
        {50.0F, 100.0, 10, 20, 10},      // Step above Champ -> Champ
        {kHuge, 8835.0, 6000, 1, 6000},  // far outside: saturates, no overflow
        {-kHuge, 8835.0, 6000, 4, 4},
        {100.0F, 0.0, 6000, 1, 6000},  // a chart of no width
        {kHuge, 100.0, kLargestChamp, 4, kLargestChamp},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MarkerIndex(c.lineX, c.width, c.champ, c.step), c.index)
            << c.lineX << " of " << c.width << ", Champ " << c.champ << ", Step " << c.step;
    }
}

}  // namespace
}  // namespace ravemo
