#pragma once

#include <vector>

#include "analysis/AntennaSample.h"

namespace ravemo {

// A reflection along the line, as the time-domain response shows it.
struct FaultPeak {
    double distanceM = 0.0;
    // The response's size at the peak, signed: + for a rise in impedance (an open end, a
    // higher-impedance section), - for a fall (a short). It includes the line's loss there and
    // back, so a far open end reads below 1.
    double reflection = 0.0;
};

// The response of a line to a step in time, from its sweep.
struct DistanceResponse {
    std::vector<double> distancesM;  // ascending from 0 to rangeM
    std::vector<double> sizes;       // |response| at each distance
    std::vector<FaultPeak> peaks;    // nearest first
    // Two reflections closer than this blur into one: VF c / (2 span), widened twice by the
    // Hann window that keeps the side lobes of a big reflection from passing for faults.
    double resolutionM = 0.0;
    // The farthest distance without aliasing: VF c / (4 step). With Re G alone the response is
    // even in time, so what lies beyond comes back mirrored; half a full VNA's range.
    double rangeM = 0.0;
};

// The Hann window's widening of the main lobe against an unwindowed transform.
inline constexpr double kHannWidening = 2.0;
// Peaks smaller than this are not listed: below the side lobes of a big reflection and the
// scatter of the converters.
inline constexpr double kSmallestFaultReflection = 0.04;

// The distance-to-fault response of `samples` (ascending, at least two), for a line of
// `velocityFactor`. It needs no sign of X: Re G = |G| cos(phase) is the even part of the
// causal response, so its inverse transform over the sweep, doubled, is the response for
// positive times; distance = t VF c / 2. Frequencies need not be evenly spaced: Re G is
// interpolated onto an even grid of as many points (at most 65536) first. Empty for fewer
// than two samples.
DistanceResponse DistanceToFault(const std::vector<AntennaSample>& samples, double velocityFactor);

}  // namespace ravemo
