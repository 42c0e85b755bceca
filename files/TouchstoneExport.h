#pragma once

#include <cstdint>

#include <QByteArray>

#include "sweep/SweepData.h"

namespace ravemo {

// Touchstone v1 one-port file (.s1p) of the swept points (see SweptIndices): "# MHZ S MA R 50",
// then "freq |S11| angle" per point in strictly ascending frequency (each frequency in the
// shortest text that reads back exactly), point decimal, LF line ends.
// The instrument does not measure the sign of the phase: each angle carries the sign the
// analysis estimates (SamplesFromSweep), positive where it cannot tell, and the comment line
// kEstimatedSignsComment says so, so that Ravemo reading the file back treats the signs as
// estimated.
QByteArray EncodeTouchstone(const SweepData& data, std::int32_t step);

}  // namespace ravemo
