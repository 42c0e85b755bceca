#pragma once

#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QString>

#include "common/Settings.h"
#include "sweep/SweepData.h"

namespace ravemo {

// The sweep file (.vec): little-endian, headerless: ReturnLossSamples, PhaseSamples (float),
// DdsWords (double), each over 0..Champ, then the lower and upper limits in MHz (float).
// 16 (Champ + 1) + 8 bytes. The file records no count: only a program set up for the same
// Champ reads it back.
struct VecLimits {
    float minMHz = 0.0F;
    float maxMHz = 0.0F;
};

inline constexpr qint64 kVecBytesPerPoint = 16;  // two floats and a double
inline constexpr qint64 kVecLimitsBytes = 8;     // two floats

constexpr qint64 VecFileSize(std::int32_t champ) {
    return kVecBytesPerPoint * (static_cast<qint64>(champ) + 1) + kVecLimitsBytes;
}

// No sweep file is larger than the one of the largest Champ the settings allow.
inline constexpr qint64 kLargestVecFileBytes = VecFileSize(kChampMaximum);

// How messages about reading a sweep file name it.
inline const QString kVecFileKind = QStringLiteral("sweep file");

// The Champ a file of `size` bytes was written with, if the size fits one (1 to kChampMaximum).
std::optional<std::int32_t> ChampOfVecFileSize(qint64 size);

QByteArray EncodeVecFile(const SweepData& data, VecLimits limits);

struct VecFileContents {
    SweepData data;
    VecLimits limits;
};

// Either the contents or a message. A size that does not match `champ` is refused naming the
// expected and the actual size and the point count the file holds, where it fits one; content
// that cannot be a sweep is refused naming what and where: a limit or a converter reading that
// is not a finite number. (Tuning words are not checked: a limit typed beyond the synthesiser
// stores an infinite word, and such a point is simply not measured.)
struct VecDecodeResult {
    std::optional<VecFileContents> contents;
    QString error;
};

VecDecodeResult DecodeVecFile(const QByteArray& bytes, std::int32_t champ);

}  // namespace ravemo
