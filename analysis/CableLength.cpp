#include "analysis/CableLength.h"

#include <algorithm>

#include "common/Units.h"

namespace ravemo {
namespace {
constexpr double kWavelengthsPerQuarter = 4.0;
}  // namespace

double VelocityFactorOfSetting(double value) { return value > 1.0 ? value / kPercent : value; }

bool IsVelocityFactor(double value) { return value >= kLowestVelocityFactor && value <= 1.0; }

double LengthAtQuarterWave(double velocityFactor, double quarterWaveHz) {
    return velocityFactor * kSpeedOfLightMetresPerSecond / (kWavelengthsPerQuarter * quarterWaveHz);
}

double VelocityFactorAtQuarterWave(double lengthM, double quarterWaveHz) {
    return kWavelengthsPerQuarter * lengthM * quarterWaveHz / kSpeedOfLightMetresPerSecond;
}

CableEstimate EstimateOpenCable(const std::vector<Resonance>& resonances, double velocityFactor) {
    const auto series = std::find_if(resonances.begin(), resonances.end(), [](const Resonance& r) {
        return r.kind == ResonanceKind::Series;
    });
    if (series == resonances.end()) return {std::nullopt, CableProblem::NoSeriesResonance};
    if (series != resonances.begin()) {
        return {std::nullopt, CableProblem::SweepStartsAboveQuarterWave};
    }
    return {
        CableLength{velocityFactor, series->hz, LengthAtQuarterWave(velocityFactor, series->hz)},
        CableProblem::None};
}

}  // namespace ravemo
