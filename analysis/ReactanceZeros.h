#pragma once

#include <vector>

#include "analysis/AntennaSample.h"
#include "analysis/Resonance.h"

namespace ravemo {

// A stretch where X may change sign unseen: |Im G| comes close to zero there, but |G| is too
// small (or the phase too far from 0 or 180 degrees) to tell a crossing of the real axis from a
// pass beside it. Samples from lowHz to highHz (inclusive) have no knowable sign.
struct UnclearStretch {
    double lowHz = 0.0;
    double highHz = 0.0;
};

// What the magnitudes of a sweep tell about the zeros of its reactance.
struct ReactanceEvidence {
    std::vector<Resonance> zeros;         // ascending
    std::vector<UnclearStretch> unclear;  // ascending, none overlapping a zero
};

// The zeros of the reactance of a sweep, whose sign the instrument does not measure, found from
// magnitudes only. X is zero exactly where the reflection coefficient is real, so a zero is a
// clear minimum of |Im G| over frequency: on both sides, before it falls below the minimum
// again, |Im G| must rise to twice the minimum and well above the converter's steps and the
// sweep's own noise. The raw samples are used, not a moving average: an average over a fixed
// share of the sweep fills the narrow notch of a resonance in a wide sweep.
//
// Such a minimum is a zero only where the phase itself comes close to 0 or 180 degrees while |G|
// is above the converter's floor: then G crosses the real axis there. At an SWR dip |Im G| is
// small because |G| is small, and the reading cannot tell a crossing from a pass beside the
// centre: that minimum is an unclear stretch, not a zero.
//
// A zero lies at the centre of its notch under the rise (the middle of a flat bottom, the point
// of a V; noise averages out over the notch), with Rs interpolated there. It is a series resonance
// when |Z| there lies below the geometric mean of |Z| on the two sides, else a parallel one.
// Samples as AntennaSamples holds them; the sign of xs is ignored.
ReactanceEvidence EstimateReactanceZeros(const std::vector<AntennaSample>& samples);

}  // namespace ravemo
