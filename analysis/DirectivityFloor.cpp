#include "analysis/DirectivityFloor.h"

#include <cmath>
#include <optional>

#include "common/Units.h"

namespace ravemo {

void MarkDirectivityFloor(std::vector<AntennaSample>& samples, const Calibration& calibration) {
    for (AntennaSample& s : samples) {
        const std::optional<CalibrationPoint> standards = calibration.at(s.hz);
        if (!standards) continue;
        // The load's corrected reading is negative towards a match; the sample's loss positive.
        const double floorLossDb = -CorrectReading(*standards, standards->load).returnLossDb;
        if (!(s.returnLossDb >= floorLossDb - kFloorMarginDb)) continue;
        const double gamma = std::pow(10.0, -floorLossDb / kDbPerRatioDecade);
        s.floorSwr = (1.0 + gamma) / (1.0 - gamma);
    }
}

}  // namespace ravemo
