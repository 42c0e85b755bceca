#include "analysis/AntennaAnalysis.h"

#include <algorithm>
#include <cstddef>

namespace ravemo {

AntennaAnalysis AnalyseAntenna(const AntennaSamples& set, const AnalysisOptions& options) {
    AntennaAnalysis analysis;
    const SwrLows lows = FindSwrLows(set.samples, options.swrLimit);
    analysis.dips = lows.dips;
    analysis.dips.resize(
        std::min(analysis.dips.size(), static_cast<std::size_t>(std::max(options.maxDips, 0))));
    analysis.lowestAtEdge = LowestSwrAtEdge(set.samples);
    analysis.resonances = set.resonances;
    analysis.bands = ReportBands(set.samples, options.region);
    if (options.targetHz) {
        analysis.trim = AdviseTrim(lows, *options.targetHz, AmateurBandsOf(options.region));
    }
    if (options.velocityFactor) {
        analysis.cable = EstimateOpenCable(analysis.resonances, *options.velocityFactor);
    }
    return analysis;
}

}  // namespace ravemo
