#include "files/VecFile.h"

#include <QtEndian>

namespace ravemo {

qint64 VecFileSize(std::int32_t champ) { return 16 * (static_cast<qint64>(champ) + 1) + 8; }

QByteArray EncodeVecFile(const SweepData& data, VecLimits limits) {
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(VecFileSize(data.champ())));
    auto putFloat = [&bytes](float value) {
        char raw[4];
        qToLittleEndian(value, raw);
        bytes.append(raw, 4);
    };
    for (float v : data.ReturnLossSamples) putFloat(v);
    for (float v : data.PhaseSamples) putFloat(v);
    for (double v : data.DdsWords) {
        char raw[8];
        qToLittleEndian(v, raw);
        bytes.append(raw, 8);
    }
    putFloat(limits.minMHz);
    putFloat(limits.maxMHz);
    return bytes;
}

}  // namespace ravemo
