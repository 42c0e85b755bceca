#pragma once

#include <cstdint>

#include "analysis/AntennaSample.h"
#include "sweep/SweepData.h"

namespace ravemo {

// The samples of a sweep: the indices it measured (SweptIndices), at the tuning word's
// frequency, with SWR, Rs, |Xs| and |Z| by the per-sample rules of the impedance curves
// (ConvertSample, no R.L. offset), and the reactance's zeros and signs estimated
// (EstimateReactanceZeros, AssignEstimatedSigns). Readings that are not finite numbers, or give no
// finite impedance, are left out; a sweep from a higher to a lower limit is turned round, and of
// two samples at one frequency the first is kept.
AntennaSamples SamplesFromSweep(const SweepData& data, std::int32_t step);

}  // namespace ravemo
