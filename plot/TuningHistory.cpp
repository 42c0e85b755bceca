#include "plot/TuningHistory.h"

#include <algorithm>
#include <cmath>

namespace ravemo {
namespace {

std::optional<double> TunedResonanceHz(const AntennaSamples& set, const AntennaAnalysis& analysis) {
    if (analysis.trim) return analysis.trim->resonanceHz;
    const std::vector<Resonance>& resonances = set.resonances;
    if (resonances.empty()) return std::nullopt;
    if (!analysis.dips.empty()) {
        const double dipHz = analysis.dips.front().bottom.hz;
        const auto nearest = std::min_element(
            resonances.begin(), resonances.end(), [dipHz](const Resonance& a, const Resonance& b) {
                return std::fabs(a.hz - dipHz) < std::fabs(b.hz - dipHz);
            });
        return nearest->hz;
    }
    const auto series = std::find_if(resonances.begin(), resonances.end(), [](const Resonance& r) {
        return r.kind == ResonanceKind::Series;
    });
    return series != resonances.end() ? series->hz : resonances.front().hz;
}

}  // namespace

HistoryPoint HistoryPointOf(const AntennaSamples& set, const AntennaAnalysis& analysis) {
    HistoryPoint point;
    point.resonanceHz = TunedResonanceHz(set, analysis);
    for (const AntennaSample& s : set.samples) {
        if (!point.lowestSwr || s.swr < *point.lowestSwr) point.lowestSwr = s.swr;
    }
    return point;
}

void TuningHistory::add(const HistoryPoint& point) {
    if (points_.size() >= kHistoryLength) {
        points_.erase(points_.begin(), points_.begin() + static_cast<std::ptrdiff_t>(
                                                             points_.size() - kHistoryLength + 1));
    }
    points_.push_back(point);
}

}  // namespace ravemo
