#pragma once

#include <cstdint>
#include <vector>

#include "sweep/SweepData.h"

namespace ravemo {

// The indices a sweep actually measured: 0, Step, 2 Step, ... up to Champ, keeping only
// those whose tuning word is finite, above 0 and small enough to be sent (a larger word is
// skipped by the sweep, so its readings are stale). A Step below 1 counts as 1.
std::vector<std::int32_t> SweptIndices(const SweepData& data, std::int32_t step);

// Frequency of a tuning word in hertz.
double WordFrequencyHz(double word);

}  // namespace ravemo
