#pragma once

#include <optional>

#include "analysis/AntennaSample.h"

namespace ravemo {

// The SWR the aural tone follows: at the sample nearest the target, or the sweep's lowest
// without one. None without samples, and for a target outside the sweep (its SWR was not
// measured: a tone for another frequency would mislead). A sample whose reading lies within the
// calibration's directivity floor counts at the floor's SWR.
std::optional<double> ToneSwr(const AntennaSamples& set, std::optional<double> targetHz);

}  // namespace ravemo
