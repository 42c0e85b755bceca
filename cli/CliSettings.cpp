#include "cli/CliSettings.h"

#include "startup/LoadSettings.h"
#include "startup/SettingsLocation.h"

namespace ravemo {

std::optional<Settings> LoadCliSettings(const QString& settingsPath, CliContext& context) {
    const SettingsLocation location =
        FindSettingsFile(context.programFolder, context.configFolder, settingsPath);
    if (!location.problem.isEmpty()) {
        Fail(context, kExitBadInput, location.problem);
        return std::nullopt;
    }
    SettingsLoad load = LoadSettings(location.path, context.locale);
    if (!load.ok()) {
        Fail(context, kExitBadInput, load.error);
        return std::nullopt;
    }
    return load.settings;
}

}  // namespace ravemo
