#pragma once

#include <optional>
#include <vector>

#include "analysis/AntennaSample.h"

namespace ravemo {

// The resonances of a line open or shorted at its far end, where its reflection is real
// (|Im G| at a minimum, the phase at 0 or 180 degrees). They fall at every multiple of the
// quarter-wave frequency f1 = VF c / (4 L), whichever the end: an open line is series resonant
// at the odd multiples and parallel at the even ones, a shorted line the other way round.
// |phase| is all that is needed.
struct LineResonances {
    std::vector<double> hz;  // ascending, those found whole within the sweep
    // f1 fitted to all of them (f_n = n f1, least squares), or nothing with fewer than two.
    std::optional<double> quarterWaveHz;
};

// Where the phase comes within this of 0 or 180 degrees (as cos), a resonance is near; it is
// over when the phase leaves by the wider margin, so that noise does not split one in two.
inline constexpr double kResonanceEnterCos = 0.95;
inline constexpr double kResonanceLeaveCos = 0.85;

LineResonances FindLineResonances(const std::vector<AntennaSample>& samples);

}  // namespace ravemo
