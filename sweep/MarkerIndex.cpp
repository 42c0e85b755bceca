#include "sweep/MarkerIndex.h"

#include <cmath>
#include <limits>

#include "common/Rounding.h"

namespace ravemo {
namespace {

// Ties-to-even rounding into the 32-bit range, saturating at its ends; NaN counts as 0.
std::int64_t roundSaturated(double value) {
    if (std::isnan(value)) return 0;
    if (const auto fits = RoundToInt32(value)) return *fits;
    return value > 0 ? std::numeric_limits<std::int32_t>::max()
                     : std::numeric_limits<std::int32_t>::min();
}

}  // namespace

std::int32_t MarkerIndex(float lineX, double chartWidth, std::int32_t champ, std::int32_t step) {
    std::int64_t m =
        roundSaturated(static_cast<double>(champ) / chartWidth * static_cast<double>(lineX));
    if (step != 0) {
        m = static_cast<std::int64_t>(
                RoundHalfEven(static_cast<double>(m) / static_cast<double>(step))) *
            step;
    }
    if (m < step) m = step;
    if (m == 0) m = 1;
    if (m > champ) m = champ;
    return static_cast<std::int32_t>(m);
}

}  // namespace ravemo
