#pragma once

#include <optional>

namespace ravemo {

// The aural SWR indicator's pitch: lower is better, as on the classic indicators. 300 Hz at a
// perfect match (SWR 1.0), rising logarithmically to 1500 Hz at SWR 5 and staying there above:
// the pitch is in proportion to the SWR, so every doubling of the SWR raises it an octave
// (1.5 -> 450 Hz, 2 -> 600 Hz, 3 -> 900 Hz).
inline constexpr double kMatchedPitchHz = 300.0;
inline constexpr double kHighestPitchHz = 1500.0;
inline constexpr double kHighestPitchSwr = 5.0;

// The pitch for `swr`; none where the SWR is unknown (NaN). An infinite SWR (an open or a
// short) gives the highest pitch.
std::optional<double> TonePitchHz(double swr);

}  // namespace ravemo
