#include "instrument/ImperfectBridge.h"

#include <cmath>
#include <numbers>

#include "common/LineTransform.h"
#include "common/Units.h"
#include "instrument/ConverterScale.h"

namespace ravemo {
namespace {
constexpr double kTrackingSpanHz = 30e6;
}  // namespace

double BridgeErrors::trackingDb(double hz) const {
    return trackingDbAt0Hz + (trackingDbAt30MHz - trackingDbAt0Hz) * hz / kTrackingSpanHz;
}

std::complex<double> BridgeErrors::reflectionSeen(std::complex<double> gamma, double hz) const {
    if (!directivityDb) return gamma;
    const double leakage = std::pow(10.0, -*directivityDb / kDbPerRatioDecade);
    const double lag = 2.0 * std::numbers::pi * hz * kLeakagePathM / kSpeedOfLightMetresPerSecond;
    return gamma + std::polar(leakage, -lag);
}

ConverterSteps StepsOfReflection(std::complex<double> gamma, double hz,
                                 const BridgeErrors& errors) {
    const std::complex<double> seen = errors.reflectionSeen(gamma, hz);
    const double magnitude = std::abs(seen);
    const double returnLoss = magnitude > 0.0 ? (kDbPerRatioDecade * std::log10(magnitude) +
                                                 kReturnLossZeroDb + errors.trackingDb(hz)) /
                                                    kDbPerReturnLossStep
                                              : 0.0;  // a perfect match is below the bridge's floor
    const double degrees = std::fabs(std::arg(seen)) * kDegreesPerHalfTurn / std::numbers::pi;
    const double phase =
        (degrees * (1.0 + errors.phaseSlopePercent / kPercent) + errors.phaseOffsetDegrees) /
        kDegreesPerPhaseStep;
    return {returnLoss, phase};
}

}  // namespace ravemo
