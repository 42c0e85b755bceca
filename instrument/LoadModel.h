#pragma once

#include <complex>
#include <limits>

#include <QString>

namespace ravemo {

// Impedance, in ohms, that no finite number can stand for: an open circuit, or a capacitor at
// 0 Hz. ReflectionOf maps it to total reflection in phase.
inline const std::complex<double> kOpenCircuitOhms{std::numeric_limits<double>::infinity(), 0.0};

// A modelled device under test hanging on the instrument's bridge.
//
// To add a model: derive, implement impedance() (and description() for the window caption),
// put the class in its own file, and teach ParseLoadModel its short text form.
class LoadModel {
  public:
    virtual ~LoadModel() = default;
    // Impedance at `hz` (hz >= 0). May return a non-finite value for an open circuit.
    virtual std::complex<double> impedance(double hz) const = 0;
    // What the simulator shows in its description, e.g. "dipole resonant near 14.2 MHz".
    virtual QString description() const = 0;
};

// Reflection coefficient of `z` against `referenceOhms`: (Z - R) / (Z + R). A non-finite
// impedance gives 1 (open); a NaN gives 1 as well, the safe "nothing connected" answer.
std::complex<double> ReflectionOf(std::complex<double> z, double referenceOhms);

// Impedance of a reflection coefficient against `referenceOhms`: R (1 + G) / (1 - G); G = 1
// gives kOpenCircuitOhms.
std::complex<double> ImpedanceOf(std::complex<double> gamma, double referenceOhms);

}  // namespace ravemo
