#include "analysis/AntennaAnalysis.h"

namespace ravemo {

AntennaAnalysis AnalyseAntenna(const AntennaSamples& set, const AnalysisOptions& options) {
    AntennaAnalysis analysis;
    analysis.dips = FindSwrDips(set.samples, options.swrLimit, options.maxDips);
    analysis.resonances = set.resonances;
    analysis.bands = ReportBands(set.samples, options.region);
    if (options.targetHz) analysis.trim = AdviseTrim(analysis.resonances, *options.targetHz);
    if (options.velocityFactor) {
        analysis.cable = EstimateOpenCable(analysis.resonances, *options.velocityFactor);
    }
    return analysis;
}

}  // namespace ravemo
