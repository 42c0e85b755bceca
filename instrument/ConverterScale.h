#pragma once

namespace ravemo {

// The reflection bridge's converter scales, as the instrument is calibrated: what one step of
// each 10-bit reading means. The simulated instrument makes its readings with them and the
// measurement rules turn readings back into decibels and degrees with the same numbers.
inline constexpr double kDbPerReturnLossStep = 0.0586;  // return loss, from -30 dB at 0 steps
inline constexpr double kReturnLossZeroDb = 30.0;       // decibels below 0 dB at 0 steps
inline constexpr double kDegreesPerPhaseStep = 0.175;   // |phase|, from 0 degrees at 0 steps

}  // namespace ravemo
