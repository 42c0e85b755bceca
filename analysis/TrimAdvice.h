#pragma once

#include <optional>
#include <vector>

#include "analysis/Resonance.h"

namespace ravemo {

// How much to change a wire element's length to move its resonance to a target frequency.
struct TrimAdvice {
    double targetHz = 0.0;
    double resonanceHz = 0.0;  // the series resonance nearest the target
    // (f_resonance / f_target - 1) x 100: positive means make it longer. A rule of thumb for a
    // dipole or monopole element and small changes: the resonance moves inversely with length.
    double lengthChangePercent = 0.0;
};

// Absent when there is no series resonance.
std::optional<TrimAdvice> AdviseTrim(const std::vector<Resonance>& resonances, double targetHz);

}  // namespace ravemo
