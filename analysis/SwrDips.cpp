#include "analysis/SwrDips.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "analysis/LowestSwr.h"

namespace ravemo {
namespace {

// The edge where the SWR rises to `level` walking from `bottom` towards `end` (the first or
// the last index); absent when it stays below the level up to the end.
std::optional<double> EdgeHz(const std::vector<AntennaSample>& samples, std::size_t bottom,
                             std::size_t end, double level) {
    std::size_t inside = bottom;
    while (inside != end) {
        const std::size_t outside = end < bottom ? inside - 1 : inside + 1;
        const AntennaSample& in = samples[inside];
        const AntennaSample& out = samples[outside];
        if (out.swr >= level) {
            // From the inside sample; an infinite SWR outside puts the edge at the inside one.
            return in.hz + (out.hz - in.hz) * (level - in.swr) / (out.swr - in.swr);
        }
        inside = outside;
    }
    return std::nullopt;
}

std::optional<SwrEdges> EdgesAt(const std::vector<AntennaSample>& samples, std::size_t bottom,
                                double level) {
    if (!(samples[bottom].swr < level)) return std::nullopt;
    const std::optional<double> low = EdgeHz(samples, bottom, 0, level);
    const std::optional<double> high = EdgeHz(samples, bottom, samples.size() - 1, level);
    if (!low || !high) return std::nullopt;
    return SwrEdges{*low, *high, *high - *low};
}

std::optional<double> QOf(double hz, const std::optional<SwrEdges>& swr2) {
    if (!swr2 || !(swr2->bandwidthHz > 0.0)) return std::nullopt;
    return hz / swr2->bandwidthHz * (kSwrTwoToOne - 1.0) / std::sqrt(kSwrTwoToOne);
}

}  // namespace

std::vector<SwrDip> FindSwrDips(const std::vector<AntennaSample>& samples, double swrLimit,
                                int maxDips) {
    std::vector<SwrDip> dips;
    for (std::size_t first = 0; first < samples.size();) {
        if (!(samples[first].swr < swrLimit)) {
            ++first;
            continue;
        }
        std::size_t last = first;
        while (last + 1 < samples.size() && samples[last + 1].swr < swrLimit) ++last;
        const std::size_t bottom = LowestSwrIndex(samples, first, last);
        const std::optional<SwrEdges> swr2 = EdgesAt(samples, bottom, kSwrTwoToOne);
        dips.push_back({samples[bottom], swr2, EdgesAt(samples, bottom, kSwrOneAndHalf),
                        QOf(samples[bottom].hz, swr2)});
        first = last + 1;
    }
    std::stable_sort(dips.begin(), dips.end(),
                     [](const SwrDip& a, const SwrDip& b) { return a.bottom.swr < b.bottom.swr; });
    dips.resize(std::min(dips.size(), static_cast<std::size_t>(std::max(maxDips, 0))));
    return dips;
}

}  // namespace ravemo
