#pragma once

#include <QByteArray>

#include "sweep/SweepData.h"

namespace ravemo {

// The sweep file (.vec): little-endian, headerless: ReturnLossSamples, PhaseSamples (float),
// DdsWords (double), each over 0..Champ, then the lower and upper limits in MHz (float).
// 16 (Champ + 1) + 8 bytes.
struct VecLimits {
    float minMHz = 0.0F;
    float maxMHz = 0.0F;
};

qint64 VecFileSize(std::int32_t champ);
QByteArray EncodeVecFile(const SweepData& data, VecLimits limits);

}  // namespace ravemo
