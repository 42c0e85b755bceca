#pragma once

#include <vector>

#include "analysis/AntennaSample.h"
#include "analysis/Resonance.h"

namespace ravemo {

// The zeros of the reactance of a sweep, whose sign the instrument does not measure, found from
// magnitudes only. X is zero exactly where the reflection coefficient is real, so a zero is a
// clear minimum of |Im G| over frequency (averaged over a few samples of a dense sweep): on
// both sides, before it falls below the minimum again, |Im G| must rise to twice the minimum
// and well above the converter's steps, and |X| must reach a quarter of |Z|. |Im G| rather
// than |X| / |Z|: it is small near a match (where the phase reading means nothing), its steps
// are tiny everywhere, and it does not follow the large jumps that one return-loss step makes
// in Rs when |G| is near 1. A phase reading clamped at the converter's end (179.025 degrees)
// gives a small |Im G| as well, so a near-lossless line's series resonance shows as a
// flat-bottomed minimum.
//
// Each zero lies midway between where |Im G| crosses a low level on either side (the middle of
// a flat bottom), with Rs interpolated there. It is a series resonance when |Z| there lies below
// the geometric mean of |Z| on the two sides, else a parallel one. Samples as AntennaSamples
// holds them; the sign of xs is ignored.
std::vector<Resonance> EstimateReactanceZeros(const std::vector<AntennaSample>& samples);

}  // namespace ravemo
