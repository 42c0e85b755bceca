#pragma once

#include "ui/tuning/SweepAroundLimits.h"

namespace ravemo {

// The fast tuning sweep: a narrow span around the target with few points, so that even the
// real port sweeps several times a second and the tone follows each cut at once. The span is
// wide enough to keep a dip a few percent off the target in view (a first cut), and rounded
// outwards like the other "sweep there" limits.
inline constexpr double kFastSweepHalfSpanShare = 0.025;
// Points across the span: enough to place a dip, few enough for a quick sweep.
inline constexpr int kFastSweepIntervals = 40;

SweepLimitsHz FastSweepLimits(double centreHz);
// The stride that gives about kFastSweepIntervals intervals over samples 0..champ.
int FastSweepStride(int champ);

}  // namespace ravemo
