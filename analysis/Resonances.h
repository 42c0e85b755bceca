#pragma once

#include <vector>

#include "analysis/AntennaSample.h"
#include "analysis/Resonance.h"

namespace ravemo {

// The zeros of the reactance, ascending. Estimated signs: found from the magnitudes
// (EstimateReactanceZeros). Measured signs: where X changes sign, interpolated linearly, series
// when it goes from negative to positive, parallel the other way; a sign counts only where |X|
// is at least 5 % of |Z|, so the noise of a nearly real load makes no resonances.
std::vector<Resonance> FindResonances(const AntennaSamples& set);

}  // namespace ravemo
