#pragma once

#include <complex>
#include <optional>

namespace ravemo {

// The ways the simulated bridge and its converters may read off the truth, so that the
// correction of a real, imperfect instrument can be tried without one. All zero: ideal.
struct BridgeErrors {
    // Return-loss tracking: the converter reads 20 log10|G| this many dB too high at 0 Hz,
    // rising linearly to `trackingDbAt30MHz` at 30 MHz (and on at that slope beyond).
    double trackingDbAt0Hz = 0.0;
    double trackingDbAt30MHz = 0.0;
    // Phase converter: reads |arg G| (1 + slope / 100) + offset degrees.
    double phaseOffsetDegrees = 0.0;
    double phaseSlopePercent = 0.0;
    // Finite directivity in dB: a leakage of 10^(-dB/20) adds to G before the converters. Its
    // phase is that of a 1 m round trip in air, 0 at 0 Hz and lagging 360 f / (c / 1 m)
    // degrees (1.2 degrees per MHz), as a short path inside the bridge would.
    std::optional<double> directivityDb;

    // The tracking error in dB at `hz`.
    double trackingDb(double hz) const;
    // The reflection the converters meet: G plus the directivity leakage at `hz`.
    std::complex<double> reflectionSeen(std::complex<double> gamma, double hz) const;
};

// The round trip of the directivity leakage's internal path, in metres of air.
inline constexpr double kLeakagePathM = 1.0;

// What the two converters read for a true reflection at `hz`, in converter steps before
// rounding, clamping and noise: return loss (20 log10|G| + 30 + tracking) / 0.0586 and phase
// (|arg G| (1 + slope) + offset) / 0.175, with G seen through the directivity leakage. A
// reflection of 0 reads 0 steps of return loss (the floor).
struct ConverterSteps {
    double returnLoss = 0.0;
    double phase = 0.0;
};
ConverterSteps StepsOfReflection(std::complex<double> gamma, double hz, const BridgeErrors& errors);

}  // namespace ravemo
