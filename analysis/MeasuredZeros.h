#pragma once

#include <vector>

#include "analysis/AntennaSample.h"
#include "analysis/Resonance.h"

namespace ravemo {

// The zeros of a measured (signed) reactance, ascending: where X changes sign, interpolated
// linearly, series when it goes from negative to positive, parallel the other way. A sign counts
// only where |X| is at least 5 % of |Z|, so the noise of a nearly real load makes no zeros.
std::vector<Resonance> FindMeasuredZeros(const std::vector<AntennaSample>& samples);

}  // namespace ravemo
