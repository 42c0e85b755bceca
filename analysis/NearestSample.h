#pragma once

#include <optional>
#include <vector>

#include "analysis/AntennaSample.h"

namespace ravemo {

// The sample (ascending frequencies) nearest to `hz`, the lower one of two equally near; none
// for no samples. A readout under the mouse shows a measured point, never an interpolated one.
std::optional<AntennaSample> NearestSample(const std::vector<AntennaSample>& samples, double hz);

// The sample nearest to `hz` when `hz` lies within the sweep; none outside it, where no SWR was
// measured (what the tone follows and the phone page shows at the target).
std::optional<AntennaSample> SampleWithinSweep(const std::vector<AntennaSample>& samples,
                                               double hz);

}  // namespace ravemo
