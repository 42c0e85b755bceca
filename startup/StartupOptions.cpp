#include "startup/StartupOptions.h"

#include <QCommandLineParser>

#include "common/ProgramVersion.h"

namespace ravemo {

StartupOptions ParseStartupOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Ravemo: the HF antenna analyser on the parallel port."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        QStringLiteral("Read the settings from FILE instead of ravemo.ini beside the program, "
                       "else in ~/.config/ravemo/, else the sample installed with it."),
        QStringLiteral("FILE"));
    const QCommandLineOption noSplash(
        QStringLiteral("no-splash"),
        QStringLiteral("Start without the splash window and its 2-second wait."));
    const QCommandLineOption tuning(
        QStringLiteral("tuning"),
        QStringLiteral("Open the tuning window (dips, bands, trim advice, Smith chart) at start; "
                       "F2 opens it later."));
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("Drive the instrument through CHOICE: sim[:MODEL][;OPTION...] | "
                       "ppdev[:/dev/parportN] | direct. Default: the Port key of the settings "
                       "file, else automatic (the port at Address1, or the simulator)."),
        QStringLiteral("CHOICE"));
    parser.addOptions({help, version, settings, noSplash, tuning, port});

    StartupOptions options;
    const bool parsed = parser.parse(arguments);
    // Parsed before the application object exists: Qt then cannot name the program itself.
    options.helpText =
        parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("ravemo"));
    if (!parsed) {
        options.error = parser.errorText();
        return options;
    }
    if (!parser.positionalArguments().isEmpty()) {
        options.error = QStringLiteral("Unexpected argument: %1")
                            .arg(parser.positionalArguments().constFirst());
        return options;
    }
    options.showHelp = parser.isSet(help);
    options.showVersion = parser.isSet(version);
    options.noSplash = parser.isSet(noSplash);
    options.openTuning = parser.isSet(tuning);
    options.settingsPath = parser.value(settings);
    options.portChoice = parser.value(port).trimmed();
    if (parser.isSet(port) && options.portChoice.isEmpty()) {
        options.error = QStringLiteral(
            "--port needs a choice: sim[:MODEL][;OPTION...] | "
            "ppdev[:/dev/parportN] | direct");
    }
    if (parser.isSet(settings) && options.settingsPath.isEmpty()) {
        options.error = QStringLiteral("--settings needs a file name");
    }
    return options;
}

QString VersionLine() { return QStringLiteral("ravemo ") + QLatin1String(kProgramVersion); }

}  // namespace ravemo
