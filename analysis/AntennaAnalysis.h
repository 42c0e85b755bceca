#pragma once

#include <optional>
#include <vector>

#include "analysis/AmateurBands.h"
#include "analysis/AntennaSample.h"
#include "analysis/BandReport.h"
#include "analysis/CableLength.h"
#include "analysis/Resonance.h"
#include "analysis/SwrDips.h"
#include "analysis/TrimAdvice.h"

namespace ravemo {

struct AnalysisOptions {
    double swrLimit = kDefaultSwrLimit;
    int maxDips = kDefaultDipCount;
    int region = kDefaultIaruRegion;
    std::optional<double> targetHz;        // trim advice towards this frequency
    std::optional<double> velocityFactor;  // the open-cable length with this factor
};

// Everything the analysis says about one set of samples.
struct AntennaAnalysis {
    std::vector<SwrDip> dips;
    std::vector<Resonance> resonances;
    std::vector<BandCoverage> bands;
    // The sweep's lowest SWR when it lies at an edge of the sweep: no dip, sweep further.
    std::optional<SwrAtEdge> lowestAtEdge;
    std::optional<TrimAdvice> trim;      // asked for
    std::optional<CableEstimate> cable;  // asked for
};

AntennaAnalysis AnalyseAntenna(const AntennaSamples& set, const AnalysisOptions& options);

}  // namespace ravemo
