#include "correction/CalibrationFromSweeps.h"

#include <array>
#include <vector>

#include "sweep/MeasurementRules.h"
#include "sweep/SweptPoints.h"

namespace ravemo {

Calibration::Made CalibrationFromSweeps(const StandardSweeps& sweeps, std::int32_t step) {
    const std::array<const SweepData*, 3> all{&sweeps.shortCircuit, &sweeps.openCircuit,
                                              &sweeps.load};
    const std::array<const char*, 3> names{"short", "open", "load"};
    for (std::size_t s = 1; s < all.size(); ++s) {
        if (all[s]->champ() != all[0]->champ()) {
            return {std::nullopt, QStringLiteral("the %1 sweep holds %2 points and the short's "
                                                 "%3: sweep all three with the same settings")
                                      .arg(QLatin1String(names[s]))
                                      .arg(all[s]->champ() + 1)
                                      .arg(all[0]->champ() + 1)};
        }
    }
    std::vector<CalibrationPoint> points;
    for (const std::int32_t i : SweptIndices(sweeps.shortCircuit, step)) {
        const auto at = static_cast<std::size_t>(i);
        const double word = sweeps.shortCircuit.DdsWords[at];
        std::array<StandardReading, 3> readings{};
        for (std::size_t s = 0; s < all.size(); ++s) {
            if (all[s]->DdsWords[at] != word) {
                return {std::nullopt,
                        QStringLiteral("the %1 sweep was not measured at the short's "
                                       "frequencies (sample %2): sweep all three standards over "
                                       "the same range")
                            .arg(QLatin1String(names[s]))
                            .arg(i)};
            }
            readings[s] = {ReturnLossDb(all[s]->ReturnLossSamples[at]),
                           PhaseDegrees(all[s]->PhaseSamples[at])};
        }
        points.push_back({WordFrequencyHz(word), readings[0], readings[1], readings[2]});
    }
    return Calibration::make(std::move(points));
}

}  // namespace ravemo
