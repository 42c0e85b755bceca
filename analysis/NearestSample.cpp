#include "analysis/NearestSample.h"

#include <algorithm>
#include <cmath>

namespace ravemo {

std::optional<AntennaSample> NearestSample(const std::vector<AntennaSample>& samples, double hz) {
    if (samples.empty() || std::isnan(hz)) return std::nullopt;
    const auto above =
        std::lower_bound(samples.begin(), samples.end(), hz,
                         [](const AntennaSample& s, double value) { return s.hz < value; });
    if (above == samples.begin()) return *above;
    if (above == samples.end()) return samples.back();
    const auto below = above - 1;
    return (hz - below->hz <= above->hz - hz) ? *below : *above;
}

std::optional<AntennaSample> SampleWithinSweep(const std::vector<AntennaSample>& samples,
                                               double hz) {
    if (samples.empty() || !(hz >= samples.front().hz && hz <= samples.back().hz)) {
        return std::nullopt;
    }
    return NearestSample(samples, hz);
}

}  // namespace ravemo
