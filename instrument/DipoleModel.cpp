#include "instrument/DipoleModel.h"

#include <cmath>
#include <numbers>

namespace ravemo {
namespace {
// Characteristic impedance of a thin wire leg (120 (ln(2h/a) - 1) for about 2 mm wire on 20 m).
constexpr double kLegLineOhms = 1000.0;
// Radiation resistance of the half-wave dipole at its resonance.
constexpr double kResonantRadiationOhms = 73.0;
// The radiation loss grows as the cube root of frequency: 73 ohms at resonance, about 105 at
// the three-half-wave resonance, as real wire antennas show.
constexpr double kRadiationGrowthExponent = 1.0 / 3.0;
}  // namespace

std::complex<double> DipoleModel::impedance(double hz) const {
    if (!(hz > 0.0) || !(resonanceHz_ > 0.0)) return kOpenCircuitOhms;  // no current at DC
    const double ratio = hz / resonanceHz_;
    const double phaseLength = std::numbers::pi / 2.0 * ratio;  // b h
    const double lossLength = std::atanh(kResonantRadiationOhms / kLegLineOhms) *
                              std::pow(ratio, kRadiationGrowthExponent);  // a h
    const std::complex<double> gammaH{lossLength, phaseLength};
    const std::complex<double> t = std::tanh(gammaH);
    if (std::abs(t) == 0.0) return kOpenCircuitOhms;
    return kLegLineOhms / t;  // Za coth(gamma h)
}

QString DipoleModel::description() const {
    return QStringLiteral("dipole resonant near %1 MHz")
        .arg(QString::number(resonanceHz_ / 1e6, 'g', 6));
}

}  // namespace ravemo
