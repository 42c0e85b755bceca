#include "sweep/MeasurementRules.h"

#include <cmath>
#include <limits>

namespace ravemo {

SeriesImpedance SeriesFromReflection(double gammaRe, double gammaIm) {
    const double d = (1.0 - gammaRe) * (1.0 - gammaRe) + gammaIm * gammaIm;
    // Total reflection at zero phase: both rules are 0 / 0.
    if (d == 0.0) {
        constexpr double kUndefined = std::numeric_limits<double>::quiet_NaN();
        return {kUndefined, kUndefined};
    }
    return {std::fabs((1.0 - gammaRe * gammaRe - gammaIm * gammaIm) / d * kReferenceOhms),
            std::fabs(2.0 * gammaIm / d * kReferenceOhms)};
}

SampleValues ConvertSample(float returnLossRaw, float phaseRaw) {
    const double db = ReturnLossDb(static_cast<double>(returnLossRaw));
    const auto p = static_cast<float>(std::pow(10.0, db / kDbPerRatioDecade));
    const auto rho = static_cast<float>(1.0 / static_cast<double>(p));
    const double phi = static_cast<double>(phaseRaw) * kDegreesPerPhaseStep / kDegreesPerRadian;
    const auto cosPhi = static_cast<float>(std::cos(phi));
    const auto sinPhi = static_cast<float>(std::sin(phi));
    const auto gammaRe = static_cast<float>(static_cast<double>(rho) * cosPhi);
    const auto gammaIm = static_cast<float>(static_cast<double>(sinPhi) * rho);
    const double gr = gammaRe;
    const double gi = gammaIm;
    const double d = gi * gi + (1.0 - gr) * (1.0 - gr);
    const auto xs = static_cast<float>(std::fabs(2.0 * gi / d * kReferenceOhms));
    const auto rs = static_cast<float>(std::fabs((1.0 - gr * gr - gi * gi) / d * kReferenceOhms));
    const auto swr = static_cast<float>(
        std::fabs((static_cast<double>(rho) + 1.0) / (1.0 - static_cast<double>(rho))));
    const auto z =
        static_cast<float>(std::sqrt(static_cast<double>(xs) * xs + static_cast<double>(rs) * rs));
    return {rho, gammaRe, gammaIm, xs, rs, swr, z};
}

}  // namespace ravemo
