#pragma once

#include <cstdint>

#include <QByteArray>

#include "sweep/SweepData.h"

namespace ravemo {

// Touchstone v1 one-port file (.s1p) of the swept points (see SweptIndices): "# MHZ S MA R 50",
// then "freq |S11| angle" per point in strictly ascending frequency (each frequency in the
// shortest text that reads back exactly), point decimal, LF line ends.
// The instrument does not measure the sign of the phase; the angle is written as measured,
// i.e. as if the reactance were inductive, and a comment says so.
QByteArray EncodeTouchstone(const SweepData& data, std::int32_t step);

}  // namespace ravemo
