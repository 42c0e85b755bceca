#pragma once

#include <optional>
#include <vector>

#include "analysis/AntennaSample.h"
#include "analysis/CableLength.h"
#include "analysis/CableLoss.h"
#include "analysis/CableResonances.h"
#include "analysis/DistanceToFault.h"

namespace ravemo {

// What the user knows of the line: its length or its velocity factor (one of them), and how
// its far end is left.
struct CableQuestion {
    CableEnd end = CableEnd::Open;
    std::optional<double> lengthM;
    std::optional<double> velocityFactor;
    int region = 1;  // the band plan the loss is reported on
};

// Why the velocity factor or the length could not be had.
enum class CableLengthProblem {
    None,
    FewerThanTwoResonances,  // the sweep is too narrow or too low for this line
    VelocityFactorOutOfRange,
};

// Everything the cable tools show, computed once for the command line and the window.
struct CableMeasurement {
    CableEnd end = CableEnd::Open;
    std::vector<LossAtFrequency> losses;
    std::optional<LossFit> lossFit;          // for the whole line
    std::optional<LossPer100m> lossPer100m;  // where the length is known
    LineResonances resonances;
    std::optional<double> velocityFactor;  // given, or from the length and the resonances
    std::optional<double> lengthM;         // given, or from the VF and the resonances
    CableLengthProblem problem = CableLengthProblem::None;
    std::optional<DistanceResponse> distance;  // where the VF is known
    // The peak that is the far end: the one nearest the length, within the resolution.
    std::optional<std::size_t> endPeak;
};

CableMeasurement MeasureCable(const std::vector<AntennaSample>& samples,
                              const CableQuestion& question);

}  // namespace ravemo
