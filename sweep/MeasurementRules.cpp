#include "sweep/MeasurementRules.h"

#include <cmath>
#include <limits>

#include "common/SinglePrecision.h"

namespace ravemo {

SeriesImpedance SeriesFromReflection(double gammaRe, double gammaIm) {
    const double d = (1.0 - gammaRe) * (1.0 - gammaRe) + gammaIm * gammaIm;
    // Total reflection at zero phase: both rules are 0 / 0, not a number either way.
    if (d == 0.0) {
        constexpr double kUndefined = std::numeric_limits<double>::quiet_NaN();
        return {kUndefined, kUndefined};
    }
    return {std::fabs((1.0 - gammaRe * gammaRe - gammaIm * gammaIm) / d * kReferenceOhms),
            std::fabs(2.0 * gammaIm / d * kReferenceOhms)};
}

// Readings from a file may be any float: every single-precision store goes through ToSingle,
// so a value beyond single precision becomes infinite instead of an undefined conversion.
SampleValues ConvertSample(float returnLossRaw, float phaseRaw) {
    const double db = ReturnLossDb(static_cast<double>(returnLossRaw));
    const float p = ToSingle(std::pow(10.0, db / kDbPerRatioDecade));
    const float rho = ToSingle(1.0 / static_cast<double>(p));
    const double phi = static_cast<double>(phaseRaw) * kDegreesPerPhaseStep / kDegreesPerRadian;
    const auto cosPhi = static_cast<float>(std::cos(phi));
    const auto sinPhi = static_cast<float>(std::sin(phi));
    const float gammaRe = ToSingle(static_cast<double>(rho) * cosPhi);
    const float gammaIm = ToSingle(static_cast<double>(sinPhi) * rho);
    // The rules in double, each result stored in single precision.
    const SeriesImpedance series = SeriesFromReflection(gammaRe, gammaIm);
    const float xs = ToSingle(series.xs);
    const float rs = ToSingle(series.rs);
    const float swr =
        ToSingle(std::fabs((static_cast<double>(rho) + 1.0) / (1.0 - static_cast<double>(rho))));
    const float z =
        ToSingle(std::sqrt(static_cast<double>(xs) * xs + static_cast<double>(rs) * rs));
    return {rho, gammaRe, gammaIm, xs, rs, swr, z};
}

}  // namespace ravemo
