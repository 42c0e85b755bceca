#include "plot/SmithMapping.h"

#include <cmath>

namespace ravemo {

std::complex<double> SmithReflection(std::complex<double> z, double referenceOhms) {
    if (std::isinf(z.real()) || std::isinf(z.imag())) return 1.0;
    return (z - referenceOhms) / (z + referenceOhms);
}

QPointF SmithCircle::pointOfReflection(std::complex<double> gamma) const {
    // Screen y grows downwards; the imaginary axis grows upwards.
    return {centre.x() + radius * gamma.real(), centre.y() - radius * gamma.imag()};
}

QPointF SmithCircle::pointOfImpedance(std::complex<double> z, double referenceOhms) const {
    return pointOfReflection(SmithReflection(z, referenceOhms));
}

std::complex<double> SmithCircle::reflectionAt(const QPointF& pixel) const {
    return {(pixel.x() - centre.x()) / radius, (centre.y() - pixel.y()) / radius};
}

}  // namespace ravemo
