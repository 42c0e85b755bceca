#pragma once

#include <cstdint>
#include <optional>

#include <QString>

#include "analysis/AntennaSample.h"

namespace ravemo {

// The antenna samples of a file as the analysis reads it, or a message that names the file
// and what is wrong with it.
struct AntennaSamplesRead {
    std::optional<AntennaSamples> set;
    QString error;
};

// The fewest samples an analysed file must give.
inline constexpr std::size_t kFewestAnalysedSamples = 2;

// Reads a sweep file (.vec: its point count from its size, 2 to kChampMaximum + 1 points, the
// swept indices by `step` as the settings give it; the sign of X estimated) or a one-port
// Touchstone file (.s1p: the sign of X measured), by its extension. Through the bounded
// reader: folders, pipes, devices and oversized files are refused before anything is read.
// A file that gives fewer than kFewestAnalysedSamples samples is refused too.
AntennaSamplesRead ReadAntennaSamplesFile(const QString& path, std::int32_t step);

}  // namespace ravemo
