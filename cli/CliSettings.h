#pragma once

#include <optional>

#include "cli/CliContext.h"
#include "common/Settings.h"

namespace ravemo {

// Loads the settings exactly as the program does (same file lookup, same checks). On a
// settings file the program would refuse, prints the same message and gives nothing.
std::optional<Settings> LoadCliSettings(const QString& settingsPath, CliContext& context);

}  // namespace ravemo
