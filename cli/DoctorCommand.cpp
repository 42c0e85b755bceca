#include "cli/DoctorCommand.h"

#include <QDir>
#include <QFileInfo>

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CliSettings.h"
#include "startup/SettingsLocation.h"

namespace ravemo {
namespace {

const char kDoctorUsage[] =
    "Usage: ravemo-cli [--settings FILE] doctor\n"
    "Checks what a real instrument on the parallel port needs: the ppdev module loaded, a\n"
    "/dev/parport device, the lp printer driver not holding the port, the settings' Port and\n"
    "Address1 leading to a port the kernel lists, the user in the device's group (usually lp)\n"
    "and the device open to reading and writing. Prints OK or, under FAIL, what to type.\n"
    "Exit status 0 when everything holds, 1 when something does not.\n";

// Where the user changes the settings: the file read, unless that is the sample installed with
// the program (not theirs to edit), then their own file, made from a copy of it.
PortSettingsView SettingsView(const Settings& settings, const SettingsLocation& location,
                              const CliContext& context) {
    PortSettingsView view{settings.Address1, settings.Port, location.path, {}};
    if (location.installedSample) {
        view.settingsPath =
            QDir(context.configFolder)
                .filePath(QStringLiteral("ravemo/") + QLatin1String(kSettingsFileName));
        view.copyFrom = location.path;
    }
    return view;
}

}  // namespace

int RunDoctor(const QStringList& words, const QString& settingsPath, CliContext& context,
              const PortSystem& system) {
    CliArguments args(words, {}, {QStringLiteral("help")});
    if (args.has(QStringLiteral("help"))) {
        context.out << kDoctorUsage;
        return kExitSuccess;
    }
    if (!args.error().isEmpty()) return Fail(context, kExitBadInput, args.error());
    if (!args.positional().isEmpty()) {
        return Fail(context, kExitBadInput, QStringLiteral("doctor takes no arguments"));
    }
    const std::optional<Settings> settings = LoadCliSettings(settingsPath, context);
    if (!settings) return kExitBadInput;
    const SettingsLocation location =
        FindSettingsFile(context.programFolder, context.configFolder, settingsPath);
    const QString& path = location.path;
    context.out << "What a real port needs (settings: " << QDir::toNativeSeparators(path)
                << (QFileInfo::exists(path) ? "" : ", not there: every key at its default")
                << "):\n";
    int failed = 0;
    for (const ReadinessCheck& check :
         CheckPortReadiness(system, SettingsView(*settings, location, context))) {
        context.out << (check.passed ? "  OK    " : "  FAIL  ") << check.subject << ": "
                    << check.finding << '\n';
        for (const QString& command : check.commands) {
            context.out << "        type: " << command << '\n';
        }
        if (!check.passed) ++failed;
    }
    if (failed == 0) {
        context.out << "Everything a real port needs is in place.\n";
        return kExitSuccess;
    }
    context.out << failed << (failed == 1 ? " check" : " checks")
                << " failed: type what is shown, then run 'ravemo-cli doctor' again.\n";
    return kExitFailure;
}

int RunDoctorCommand(const QStringList& words, const QString& settingsPath, CliContext& context) {
    return RunDoctor(words, settingsPath, context, PortSystem::Live());
}

}  // namespace ravemo
