#pragma once

#include <complex>

#include <QPointF>

namespace ravemo {

// The Smith chart is drawn against 50 ohms whatever the source's reference.
inline constexpr double kSmithReferenceOhms = 50.0;

// The reflection coefficient of impedance `z` against `referenceOhms`: (z - Z0) / (z + Z0); an
// impedance with an infinite part (an open) gives 1.
std::complex<double> SmithReflection(std::complex<double> z,
                                     double referenceOhms = kSmithReferenceOhms);

// The chart's circle in pixels: the reference impedance at the centre, the short (G = -1) at
// the left, the open (G = 1) at the right, positive reactance in the upper half.
struct SmithCircle {
    QPointF centre;
    double radius = 1.0;

    QPointF pointOfReflection(std::complex<double> gamma) const;
    QPointF pointOfImpedance(std::complex<double> z,
                             double referenceOhms = kSmithReferenceOhms) const;
    // The reflection coefficient at a pixel (the inverse of pointOfReflection).
    std::complex<double> reflectionAt(const QPointF& pixel) const;
};

}  // namespace ravemo
