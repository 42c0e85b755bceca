#include "ui/aural/FastSweep.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace ravemo {

SweepLimitsHz FastSweepLimits(double centreHz) {
    const double half = std::max(centreHz * kFastSweepHalfSpanShare, kSmallestMarginHz);
    return RoundedReachableLimits(centreHz - half, centreHz + half);
}

int FastSweepStride(int champ) {
    // Settings.Step is 16 bits wide.
    return std::clamp(champ / kFastSweepIntervals, 1,
                      static_cast<int>(std::numeric_limits<std::int16_t>::max()));
}

}  // namespace ravemo
