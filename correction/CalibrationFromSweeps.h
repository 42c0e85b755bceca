#pragma once

#include <cstdint>

#include <QString>

#include "correction/Calibration.h"
#include "sweep/SweepData.h"

namespace ravemo {

// The three standards' sweeps as they were read (never corrected), taken with the same Champ and
// Step over the same frequencies.
struct StandardSweeps {
    const SweepData& shortCircuit;
    const SweepData& openCircuit;
    const SweepData& load;
};

// A calibration from the points all three sweeps measured at the same tuning word. Refused with
// the reason where the sweeps differ in size or frequencies, or where the readings do not look
// like the standards (Calibration::make).
Calibration::Made CalibrationFromSweeps(const StandardSweeps& sweeps, std::int32_t step);

}  // namespace ravemo
