#pragma once

// Real antennas from physics, for replaying through the simulated instrument: wires as open
// lossy lines (their loss standing for what they radiate), coax and ladder line with their
// matched loss, and the 49:1 transformer of an end-fed half-wave with its magnetising and
// leakage inductance and the capacitor across its input.

#include <cmath>
#include <complex>
#include <numbers>

namespace ravemo::test {

using Impedance = std::complex<double>;

inline constexpr double kLightMetresPerSecond = 299'792'458.0;
inline constexpr double kNepersPerDb = 1.0 / 8.685889638;

inline double Omega(double hz) { return 2.0 * std::numbers::pi * hz; }

// A wire of characteristic impedance `zw`, open at its far end and a quarter wave long at
// `quarterWaveHz`, whose loss there is `lossAtQuarter` nepers (rising with the square root of
// frequency): Z = Zw coth((a + jb) h).
inline Impedance OpenWire(double hz, double quarterWaveHz, double zw, double lossAtQuarter) {
    const double ratio = hz / quarterWaveHz;
    const Impedance gammaH(lossAtQuarter * std::sqrt(ratio), std::numbers::pi / 2.0 * ratio);
    return zw / std::tanh(gammaH);
}

// A centre-fed half-wave dipole resonant at `hz0`: two legs in series, about 72 ohms there and
// several kilohms at twice the frequency.
inline Impedance Dipole(double hz, double hz0) { return 2.0 * OpenWire(hz, hz0, 300.0, 0.12); }

// An end-fed half-wave wire resonant at `hz0`: about 3 kilohms there and at its harmonics.
inline Impedance EndFedWire(double hz, double hz0) { return OpenWire(hz, hz0 / 2.0, 450.0, 0.1); }

// A feedline: impedance, velocity factor, matched loss in dB per 100 m = a sqrt(f) + b f
// (f in MHz), length.
struct Feedline {
    double z0;
    double velocityFactor;
    double a;
    double b;
    double metres;
};

// RG-58: 4.6 dB / 100 m at 10 MHz, 16 dB at 100 MHz (the usual data sheet values).
inline constexpr Feedline kRg58{50.0, 0.66, 1.3875, 0.02125, 20.0};
// 450 ohm window line, 10.36 m: 0.3 dB / 100 m at 10 MHz.
inline constexpr Feedline kWindowLine{450.0, 0.91, 0.09, 0.001, 10.36};

// The impedance at the near end of `line` with `load` at its far end.
inline Impedance ThroughLine(Impedance load, const Feedline& line, double hz) {
    const double mhz = hz / 1e6;
    const double lossDb = (line.a * std::sqrt(mhz) + line.b * mhz) * line.metres / 100.0;
    const Impedance gammaL(lossDb * kNepersPerDb,
                           Omega(hz) * line.metres / (line.velocityFactor * kLightMetresPerSecond));
    const Impedance t = std::tanh(gammaL);
    return line.z0 * (load + line.z0 * t) / (line.z0 + load * t);
}

// A 49:1 (1:7 turns) transformer seen from its 50 ohm side: 8 uH magnetising inductance across
// the primary, 0.2 uH leakage in series, 100 pF across the input.
inline Impedance ThroughTransformer49(Impedance load, double hz) {
    const double w = Omega(hz);
    const Impedance magnetising(0.0, w * 8e-6);
    const Impedance primary = 1.0 / (1.0 / (load / 49.0) + 1.0 / magnetising);
    const Impedance withLeakage = primary + Impedance(0.0, w * 0.2e-6);
    return 1.0 / (1.0 / withLeakage + Impedance(0.0, w * 100e-12));
}

inline double SwrOf(Impedance z) {
    const double g = std::abs((z - 50.0) / (z + 50.0));
    return (1.0 + g) / (1.0 - g);
}

}  // namespace ravemo::test
