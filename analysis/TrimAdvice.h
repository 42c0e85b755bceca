#pragma once

#include <optional>
#include <vector>

#include "analysis/AmateurBands.h"
#include "analysis/SwrDips.h"

namespace ravemo {

// The targets trim advice is given for: what the synthesiser reaches, from 1 kHz.
inline constexpr double kLowestTrimTargetHz = 1e3;
inline constexpr double kHighestTrimTargetHz = 90.0035e6;
bool IsTrimTargetHz(double hz);

// What the advice is based on.
enum class TrimBasis {
    Dip,        // the SWR dip nearest the target
    LowerEdge,  // the SWR nearest the target is lowest at the sweep's start: sweep lower
    UpperEdge,  // ... at its end: sweep higher
    NoSwrDip,   // nothing below the SWR limit in the sweep
};

// How much to change a wire element's length to move its SWR dip to a target frequency, the
// way a ham tunes: by the dip, not by where X crosses zero (behind a transformer or a feedline
// the two lie far apart).
struct TrimAdvice {
    double targetHz = 0.0;
    TrimBasis basis = TrimBasis::NoSwrDip;
    double dipHz = 0.0;  // the dip, or the lowest SWR at the sweep's edge
    double dipSwr = 0.0;
    // (f_dip / f_target - 1) x 100, for a dip: positive means make it longer. A rule of thumb
    // for a dipole or monopole element and small changes: the dip moves inversely with length.
    double lengthChangePercent = 0.0;
};

// The advice for `targetHz` from the lows below the SWR limit: of the dips and the lows at the
// sweep's edges, the one nearest the target, preferring those inside the target's amateur band
// (from `bands`) when there is one.
TrimAdvice AdviseTrim(const SwrLows& lows, double targetHz, const std::vector<AmateurBand>& bands);

}  // namespace ravemo
