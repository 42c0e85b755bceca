#pragma once

#include <vector>

#include "analysis/AntennaSample.h"
#include "analysis/ReactanceZeros.h"

namespace ravemo {

// Gives every sample's reactance magnitude a sign and says how it is known, from the zeros and
// unclear stretches found (EstimateReactanceZeros). Foster's reactance theorem: X rises through a
// series zero and falls through a parallel one, so the sign is positive after a series zero and
// before a parallel one, negative after a parallel zero and before a series one. A stretch takes
// the sign its neighbouring zero implies, as far as the next zero or unclear stretch:
// - between two zeros whose kinds disagree (two of one kind in a row), a zero was missed and
//   the signs there are unknown;
// - beyond an unclear stretch, away from any zero, and inside an unclear stretch, unknown;
// - with no zero at all, every sign is unknown: a falling or rising |X| says nothing about the
//   sign once the antenna has loss or a feedline.
// A sample at a zero's frequency counts as beyond it. Unknown samples keep |X|.
void AssignEstimatedSigns(std::vector<AntennaSample>& samples, const ReactanceEvidence& evidence);

}  // namespace ravemo
