#pragma once

#include <complex>

#include "common/FeedlineCatalogue.h"
#include "common/Units.h"

namespace ravemo {

// A length of one feedline type.
struct Feedline {
    FeedlineType type;
    double lengthM = 0.0;

    // One-way matched loss in dB at `hz`.
    double lossDb(double hz) const;
    // The propagation constant times the length, gamma l = alpha l + j beta l (nepers, radians).
    std::complex<double> gammaLength(double hz) const;
};

// The impedance at the near end of `line` with `load` at its far end:
// Z0 (ZL + Z0 tanh(gamma l)) / (Z0 + ZL tanh(gamma l)).
std::complex<double> ImpedanceThroughLine(std::complex<double> load, const Feedline& line,
                                          double hz);

// The impedance at the far end of `line` that shows `input` at its near end: the inverse,
// Z0 (Zin - Z0 tanh(gamma l)) / (Z0 - Zin tanh(gamma l)).
std::complex<double> ImpedanceAtFarEnd(std::complex<double> input, const Feedline& line, double hz);

}  // namespace ravemo
