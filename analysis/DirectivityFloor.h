#pragma once

#include <vector>

#include "analysis/AntennaSample.h"
#include "correction/Calibration.h"

namespace ravemo {

// Marks the samples whose corrected return loss came within kFloorMarginDb of the calibration's
// directivity floor (the 50 ohm load's return loss at that frequency) or beyond it, with the
// floor's SWR: the bridge's leakage, as large as the load's whole reading, can add to or take
// from such a reading, so its SWR is "below" the floor's rather than a figure. Samples outside
// the calibration's range are left as they are.
inline constexpr double kFloorMarginDb = 1.0;
void MarkDirectivityFloor(std::vector<AntennaSample>& samples, const Calibration& calibration);

}  // namespace ravemo
