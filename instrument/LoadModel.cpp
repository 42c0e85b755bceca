#include "instrument/LoadModel.h"

#include <cmath>

namespace ravemo {

std::complex<double> ReflectionOf(std::complex<double> z, double referenceOhms) {
    if (!std::isfinite(z.real()) || !std::isfinite(z.imag())) return {1.0, 0.0};
    const std::complex<double> sum = z + referenceOhms;
    if (sum == std::complex<double>{0.0, 0.0}) return {1.0, 0.0};  // negative R = -ref: no answer
    return (z - referenceOhms) / sum;
}

std::complex<double> ImpedanceOf(std::complex<double> gamma, double referenceOhms) {
    const std::complex<double> difference = 1.0 - gamma;
    if (difference == std::complex<double>{0.0, 0.0}) return kOpenCircuitOhms;
    return referenceOhms * (1.0 + gamma) / difference;
}

}  // namespace ravemo
