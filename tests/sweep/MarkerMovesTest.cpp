#include <gtest/gtest.h>

#include "sweep/MarkerIndex.h"
#include "sweep/MarkerMoves.h"

namespace ravemo {
namespace {

// Every move lands where the sweep reads a marker back: on the Step grid, within Step..Champ.
TEST(MarkerMoves, MovesLandOnSweptSamplesAndStopAtTheEnds) {
    struct Case {
        std::int32_t from;
        MarkerMove move;
        std::int32_t champ;
        std::int32_t step;
        std::int32_t to;
    };
    using M = MarkerMove;
    const Case cases[] = {
        {5, M::SampleRight, 20, 1, 6},
        {1, M::SampleLeft, 20, 1, 1},
        {20, M::SampleRight, 20, 1, 20},
        {5, M::TenthRight, 20, 1, 7},
        {5, M::TenthLeft, 20, 1, 3},
        {2, M::TenthLeft, 20, 1, 1},
        {5, M::FirstSample, 20, 1, 1},
        {5, M::LastSample, 20, 1, 20},
        // Step 3 over 10: samples 3, 6, 9 (10 only where the mouse puts a marker past 9).
        {3, M::SampleLeft, 10, 3, 3},
        {10, M::SampleLeft, 10, 3, 6},
        {6, M::SampleRight, 10, 3, 9},
        {9, M::SampleRight, 10, 3, 9},
        {3, M::FirstSample, 10, 3, 3},
        {3, M::LastSample, 10, 3, 9},
        {3, M::TenthRight, 10, 3, 6},
        {6000, M::TenthLeft, 6000, 1, 5400},
        // Fewer indices than a step: the one index a marker can take is Champ.
        {2, M::SampleRight, 2, 5, 2},
        {2, M::FirstSample, 2, 5, 2},
    };
    for (const Case& c : cases) {
        const std::int32_t to = MovedMarkerIndex(c.from, c.move, c.champ, c.step);
        EXPECT_EQ(to, c.to) << c.from << " " << static_cast<int>(c.move);
        // The sweep reads the marker back on that very sample.
        EXPECT_EQ(MarkerIndex(static_cast<float>(SampleLineX(to, 8835.0, c.champ)), 8835.0, c.champ,
                              c.step),
                  to);
    }
}

}  // namespace
}  // namespace ravemo
