#pragma once

#include <optional>
#include <vector>

#include "analysis/AmateurBands.h"
#include "analysis/AntennaSample.h"

namespace ravemo {

// How a sweep meets one amateur band.
struct BandCoverage {
    AmateurBand band;
    // The lowest SWR among the samples in the band (edges included) and where; the share of
    // them under SWR 2. Absent when no sample falls in the band (a coarse sweep).
    std::optional<double> minSwr;
    std::optional<double> minSwrHz;
    std::optional<double> below2Fraction;
    double coveredFraction = 0.0;  // share of the band inside the swept range
};

// The bands of IARU `region` that the swept range overlaps (a band it only touches at an edge
// is left out), ascending.
std::vector<BandCoverage> ReportBands(const std::vector<AntennaSample>& samples, int region);

}  // namespace ravemo
