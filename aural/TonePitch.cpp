#include "aural/TonePitch.h"

#include <algorithm>
#include <cmath>

namespace ravemo {

std::optional<double> TonePitchHz(double swr) {
    if (std::isnan(swr)) return std::nullopt;
    const double clamped = std::clamp(swr, 1.0, kHighestPitchSwr);
    // log(pitch) in proportion to log(SWR) between the two ends.
    const double share = std::log(clamped) / std::log(kHighestPitchSwr);
    return kMatchedPitchHz * std::pow(kHighestPitchHz / kMatchedPitchHz, share);
}

}  // namespace ravemo
