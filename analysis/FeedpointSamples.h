#pragma once

#include <optional>
#include <vector>

#include "analysis/AntennaSample.h"
#include "common/LineTransform.h"

namespace ravemo {

// The measured return loss must exceed twice the cable's one-way loss by this much before the
// antenna shows through it: nearer, the figure at the antenna is the cable's loss model and the
// converter's rounding magnified, not a measurement (1 dB leaves |G| at most 0.89, SWR 17).
inline constexpr double kSeeThroughMarginDb = 1.0;

// Frequencies where the antenna cannot be seen through the cable.
struct UnseenStretch {
    double lowHz = 0.0;
    double highHz = 0.0;
};

// A sweep moved to the antenna's feedpoint.
struct FeedpointSamples {
    AntennaSamples samples;             // at the antenna; only the frequencies where it can be seen
    std::vector<UnseenStretch> unseen;  // ascending
};

// The samples of `atAnalyser` as the antenna at the far end of `line` shows them:
// - |G| at the antenna = |G| at the analyser x 10^(2 A / 20), A the line's one-way matched loss
//   (sign-free, and exact for a line of the 50 ohm reference); the SWR and the return loss from
//   it. Where the measured return loss is not at least 2 A + kSeeThroughMarginDb, the sample is
//   left out and its frequency lies in an unseen stretch.
// - the impedance transformed through the line (ImpedanceAtFarEnd) where the sign of X is
//   measured or estimated, keeping that state; where the sign is unknown Rs, X and |Z| at the
//   antenna are unknown too (NaN) and the sign stays Unknown. A line of another impedance than
//   50 ohm moves |G| only through the impedance, so there a sample of unknown sign is unseen.
// - the zeros of X from the transformed signed X, within each run of known signs.
FeedpointSamples SamplesAtAntenna(const AntennaSamples& atAnalyser, const Feedline& line);

}  // namespace ravemo
