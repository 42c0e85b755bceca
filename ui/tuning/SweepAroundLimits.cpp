#include "ui/tuning/SweepAroundLimits.h"

#include <algorithm>
#include <cmath>

#include "common/Units.h"
#include "plot/NiceTicks.h"
#include "sweep/ReachableRange.h"

namespace ravemo {
namespace {

constexpr double kReachableTopHz = kReachableTopMHz * kHzPerMHz;

SweepLimitsHz WithMargins(double lowHz, double highHz) {
    const double margin = std::max((highHz - lowHz) / 2.0, kSmallestMarginHz);
    return RoundedReachableLimits(lowHz - margin, highHz + margin);
}

}  // namespace

SweepLimitsHz RoundedReachableLimits(double lowHz, double highHz) {
    const double step = NiceStepAtLeast((highHz - lowHz) * kLimitRoundingShare);
    if (step > 0.0) {
        lowHz = std::floor(lowHz / step) * step;
        highHz = std::ceil(highHz / step) * step;
    }
    lowHz = std::clamp(lowHz, 0.0, kReachableTopHz);
    highHz = std::clamp(highHz, 0.0, kReachableTopHz);
    // A range beyond the top keeps a span below it, so the sweep still has points.
    if (!(lowHz < highHz)) lowHz = std::max(0.0, highHz - 2.0 * kSmallestMarginHz);
    return {lowHz, highHz};
}

SweepLimitsHz LimitsAroundDip(const SwrDip& dip) {
    const double hz = dip.bottom.hz;
    if (dip.swr2 && (dip.swr2->lowHz || dip.swr2->highHz)) {
        // An edge beyond the sweep is taken as far from the bottom as the known one.
        const double low = dip.swr2->lowHz.value_or(2.0 * hz - dip.swr2->highHz.value_or(hz));
        const double high = dip.swr2->highHz.value_or(2.0 * hz - low);
        return WithMargins(low, high);
    }
    const double half = std::max(hz * kDipSpanWithoutBand, kSmallestMarginHz);
    return RoundedReachableLimits(hz - half, hz + half);
}

SweepLimitsHz LimitsAroundBand(const AmateurBand& band) {
    return WithMargins(band.lowHz, band.highHz);
}

}  // namespace ravemo
