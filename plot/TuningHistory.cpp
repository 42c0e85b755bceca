#include "plot/TuningHistory.h"

#include <algorithm>
#include <cmath>

#include "analysis/LowestSwr.h"

namespace ravemo {
namespace {

// The bottom of the SWR curve: the deepest dip's, or the lowest SWR of all samples.
double CurveBottomHz(const AntennaSamples& set, const AntennaAnalysis& analysis) {
    if (!analysis.dips.empty()) return analysis.dips.front().bottom.hz;
    return set.samples[LowestSwrIndex(set.samples, 0, set.samples.size() - 1)].hz;
}

}  // namespace

HistoryPoint HistoryPointOf(const AntennaSamples& set, const AntennaAnalysis& analysis) {
    HistoryPoint point;
    if (set.samples.empty()) return point;
    for (const AntennaSample& s : set.samples) {
        if (!point.lowestSwr || s.swr < *point.lowestSwr) point.lowestSwr = s.swr;
    }
    if (analysis.trim) {
        point.resonanceHz = analysis.trim->resonanceHz;
        return point;
    }
    const double bottomHz = CurveBottomHz(set, analysis);
    std::optional<double> nearest;
    for (const Resonance& r : set.resonances) {
        if (r.kind != ResonanceKind::Series) continue;
        if (!nearest || std::fabs(r.hz - bottomHz) < std::fabs(*nearest - bottomHz)) {
            nearest = r.hz;
        }
    }
    point.resonanceHz = nearest.value_or(bottomHz);
    point.kind = nearest ? TunedFrequency::Resonance : TunedFrequency::DipBottom;
    return point;
}

void TuningHistory::add(HistoryPoint point) {
    point.at = clock_();
    const auto slotOf = [](HistoryClock::time_point t) {
        return t.time_since_epoch() / kHistorySlot;
    };
    if (!points_.empty() && slotOf(points_.back().at) == slotOf(point.at)) {
        points_.back() = point;
    } else {
        points_.push_back(point);
    }
    const HistoryClock::time_point oldest = point.at - kHistorySpan;
    const auto kept = std::find_if(points_.begin(), points_.end(),
                                   [oldest](const HistoryPoint& p) { return p.at >= oldest; });
    points_.erase(points_.begin(), kept);
}

}  // namespace ravemo
