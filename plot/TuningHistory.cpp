#include "plot/TuningHistory.h"

#include <algorithm>
#include <cmath>

#include "analysis/LowestSwr.h"

namespace ravemo {
HistoryPoint HistoryPointOf(const AntennaSamples& set, const AntennaAnalysis& analysis) {
    HistoryPoint point;
    if (set.samples.empty()) return point;
    for (const AntennaSample& s : set.samples) {
        if (!point.lowestSwr || s.swr < *point.lowestSwr) point.lowestSwr = s.swr;
    }
    if (analysis.trim && analysis.trim->basis != TrimBasis::NoSwrDip) {
        point.resonanceHz = analysis.trim->dipHz;
        point.kind = analysis.trim->basis == TrimBasis::Dip ? TunedFrequency::Dip
                                                            : TunedFrequency::SweepEdge;
    } else if (!analysis.dips.empty()) {
        point.resonanceHz = analysis.dips.front().bottom.hz;
        point.kind = TunedFrequency::Dip;
    } else if (analysis.lowestAtEdge) {
        point.resonanceHz = analysis.lowestAtEdge->sample.hz;
        point.kind = TunedFrequency::SweepEdge;
    } else {
        point.resonanceHz = set.samples[LowestSwrIndex(set.samples, 0, set.samples.size() - 1)].hz;
        point.kind = TunedFrequency::LowestSwr;
    }
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
