#include "aural/ToneSwr.h"

#include <algorithm>
#include <cmath>

namespace ravemo {
namespace {

double SwrOf(const AntennaSample& sample) {
    return sample.floorSwr > 0.0 ? sample.floorSwr : sample.swr;
}

}  // namespace

std::optional<double> ToneSwr(const AntennaSamples& set, std::optional<double> targetHz) {
    const std::vector<AntennaSample>& samples = set.samples;
    if (samples.empty()) return std::nullopt;
    if (!targetHz) {
        const auto lowest = std::min_element(
            samples.begin(), samples.end(),
            [](const AntennaSample& a, const AntennaSample& b) { return SwrOf(a) < SwrOf(b); });
        return SwrOf(*lowest);
    }
    const double hz = *targetHz;
    if (hz < samples.front().hz || hz > samples.back().hz) return std::nullopt;
    const auto above = std::lower_bound(
        samples.begin(), samples.end(), hz,
        [](const AntennaSample& sample, double value) { return sample.hz < value; });
    if (above == samples.begin()) return SwrOf(*above);
    const auto below = std::prev(above);
    return SwrOf(std::fabs(above->hz - hz) < std::fabs(hz - below->hz) ? *above : *below);
}

}  // namespace ravemo
