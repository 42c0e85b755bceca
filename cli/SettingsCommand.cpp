#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CliSettings.h"
#include "common/NumberText.h"

namespace ravemo {

int RunSettingsCommand(const QStringList& words, const QString& settingsPath, CliContext& context) {
    CliArguments args(words, {}, {QStringLiteral("help")});
    if (args.has(QStringLiteral("help"))) {
        context.out << "Usage: ravemo-cli [--settings FILE] settings\n"
                       "Prints the settings as the program loads them, one Key=value line each.\n";
        return kExitSuccess;
    }
    if (!args.error().isEmpty()) return Fail(context, kExitBadInput, args.error());
    if (!args.positional().isEmpty()) {
        return Fail(context, kExitBadInput, QStringLiteral("settings takes no arguments"));
    }
    const std::optional<Settings> settings = LoadCliSettings(settingsPath, context);
    if (!settings) return kExitBadInput;
    const Settings& s = *settings;
    const QLocale& locale = context.locale;
    // Frequencies and colours hold whole numbers that seven digits would cut (a colour of
    // 16777215 would print as 1.677722E+07): they print with the double's fifteen digits.
    auto whole = [&locale](float value) {
        return NumberText::generalFormat(static_cast<double>(value), locale);
    };
    auto single = [&locale](float value) { return NumberText::generalFormat(value, locale); };
    context.out << "FMax=" << whole(s.FMax) << '\n'
                << "FMin=" << whole(s.FMin) << '\n'
                << "Champ=" << s.Champ << '\n'
                << "Step=" << s.Step << '\n'
                << "colorS1=" << whole(s.colorS1) << '\n'
                << "colorS2=" << whole(s.colorS2) << '\n'
                << "colorS3=" << whole(s.colorS3) << '\n'
                << "colorS4=" << whole(s.colorS4) << '\n'
                << "colorS5=" << whole(s.colorS5) << '\n'
                << "colorS6=" << whole(s.colorS6) << '\n'
                << "Address1=" << s.Address1 << '\n'
                << "Address2=" << s.Address2 << '\n'
                << "InputVelFactor=" << single(s.InputVelFactor) << '\n';
    return kExitSuccess;
}

}  // namespace ravemo
