#include "common/LineTransform.h"

#include <cmath>
#include <numbers>

namespace ravemo {
namespace {

constexpr double kDbPerNeper = 8.685889638065037;  // 20 / ln 10
constexpr double kMetresPerHundred = 100.0;

}  // namespace

double Feedline::lossDb(double hz) const {
    return type.lossDbPer100m(hz) * lengthM / kMetresPerHundred;
}

std::complex<double> Feedline::gammaLength(double hz) const {
    const double betaL = 2.0 * std::numbers::pi * hz * lengthM /
                         (type.velocityFactor * kSpeedOfLightMetresPerSecond);
    return {lossDb(hz) / kDbPerNeper, betaL};
}

std::complex<double> ImpedanceThroughLine(std::complex<double> load, const Feedline& line,
                                          double hz) {
    const std::complex<double> t = std::tanh(line.gammaLength(hz));
    const double z0 = line.type.impedanceOhms;
    return z0 * (load + z0 * t) / (z0 + load * t);
}

std::complex<double> ImpedanceAtFarEnd(std::complex<double> input, const Feedline& line,
                                       double hz) {
    const std::complex<double> t = std::tanh(line.gammaLength(hz));
    const double z0 = line.type.impedanceOhms;
    return z0 * (input - z0 * t) / (z0 - input * t);
}

}  // namespace ravemo
