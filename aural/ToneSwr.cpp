#include "aural/ToneSwr.h"

#include <algorithm>

#include "analysis/NearestSample.h"

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
    const std::optional<AntennaSample> atTarget = SampleWithinSweep(samples, *targetHz);
    return atTarget ? std::optional<double>(SwrOf(*atTarget)) : std::nullopt;
}

}  // namespace ravemo
