#pragma once

namespace ravemo {

// A zero of the reactance. At a series resonance (|Z| at a minimum) X goes from negative to
// positive with frequency; at a parallel resonance (|Z| at a maximum) from positive to negative.
enum class ResonanceKind { Series, Parallel };

struct Resonance {
    double hz = 0.0;  // interpolated between the samples around the zero
    double rs = 0.0;  // series resistance there, ohms
    ResonanceKind kind = ResonanceKind::Series;
};

}  // namespace ravemo
