#pragma once

#include <optional>

#include "cli/CliContext.h"
#include "files/VecFile.h"

namespace ravemo {

// Reads a sweep file whose point count is taken from its size: (size - 8) / 16 - 1 must be a
// whole number from 1 to kChampMaximum. Folders, pipes, devices and larger files are refused
// before anything is read. On any failure prints one clear line and gives nothing.
std::optional<VecFileContents> ReadSweepFile(const QString& path, CliContext& context);

}  // namespace ravemo
