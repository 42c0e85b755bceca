#include "cli/CliCommands.h"

#include <QIODevice>

#include "common/ProgramVersion.h"

namespace ravemo {
namespace {

const char kUsage[] =
    "Usage: ravemo-cli [--settings FILE] COMMAND [OPTIONS]\n"
    "Headless use of the Ravemo antenna analyser.\n"
    "\n"
    "Commands:\n"
    "  settings   print the settings as the program loads them\n"
    "  sweep      sweep a range and write the result (.vec, .csv, .s1p, .tsv)\n"
    "  convert    turn a sweep file into .csv, .s1p, .tsv (or .vec)\n"
    "  readout    the marker readouts for raw readings or a sample of a sweep file\n"
    "  analyse    SWR dips, bandwidths, resonances, bands, trim and cable length of a sweep\n"
    "  report     a one-page antenna report of a sweep as .png, .pdf or .html\n"
    "  cable      loss, velocity factor or length, and distance to fault of a cable\n"
    "  calibrate  a calibration file from sweeps of a short, an open and a 50 ohm load\n"
    "  doctor     check what a real parallel port needs, and say what to type\n"
    "  watch      sweep without end and serve a live page to a phone on the local network\n"
    "\n"
    "Options:\n"
    "  --settings FILE  the settings file (default: ravemo.ini beside the program, else\n"
    "                   ~/.config/ravemo/ravemo.ini, else the sample installed with it)\n"
    "  --help           this text; 'ravemo-cli COMMAND --help' for a command\n"
    "  --version        the version\n"
    "\n"
    "Numbers given as options take a point as decimal separator; numbers printed follow\n"
    "the user's locale. Exit status: 0 success, 1 the work failed (a port, a file, a sweep\n"
    "that measured no point), 2 bad arguments or input (an unknown --port or load model\n"
    "included).\n";

}  // namespace

QString CliCommandName(const QStringList& arguments) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("--settings")) {
            ++i;
        } else if (!arguments[i].startsWith(QStringLiteral("--settings="))) {
            return arguments[i];
        }
    }
    return {};
}

namespace {

int RunCommand(const QStringList& arguments, CliContext& context) {
    QString settingsPath;
    qsizetype i = 0;
    for (; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (word == QStringLiteral("--help") || word == QStringLiteral("-h")) {
            context.out << kUsage;
            return kExitSuccess;
        }
        if (word == QStringLiteral("--version")) {
            context.out << "ravemo-cli " << kProgramVersion << '\n';
            return kExitSuccess;
        }
        if (word == QStringLiteral("--settings") ||
            word.startsWith(QStringLiteral("--settings="))) {
            const bool inlineValue = word.startsWith(QStringLiteral("--settings="));
            if (!inlineValue && i + 1 >= arguments.size()) {
                return Fail(context, kExitBadInput,
                            QStringLiteral("option --settings needs a file"));
            }
            settingsPath = inlineValue ? word.mid(11) : arguments[++i];
            // An empty name would silently mean the usual places; the window refuses it too.
            if (settingsPath.isEmpty()) {
                return Fail(context, kExitBadInput, QStringLiteral("--settings needs a file name"));
            }
            continue;
        }
        break;
    }
    if (i >= arguments.size()) {
        context.err << kUsage;
        return Fail(context, kExitBadInput, QStringLiteral("no command given"));
    }
    const QString& command = arguments[i];
    const QStringList words = arguments.mid(i + 1);
    if (command == QStringLiteral("settings"))
        return RunSettingsCommand(words, settingsPath, context);
    if (command == QStringLiteral("sweep")) return RunSweepCommand(words, settingsPath, context);
    if (command == QStringLiteral("convert"))
        return RunConvertCommand(words, settingsPath, context);
    if (command == QStringLiteral("readout")) return RunReadoutCommand(words, context);
    if (command == QStringLiteral("analyse"))
        return RunAnalyseCommand(words, settingsPath, context);
    if (command == QStringLiteral("report")) return RunReportCommand(words, settingsPath, context);
    if (command == QStringLiteral("cable")) return RunCableCommand(words, settingsPath, context);
    if (command == QStringLiteral("calibrate")) {
        return RunCalibrateCommand(words, settingsPath, context);
    }
    if (command == QStringLiteral("doctor")) return RunDoctorCommand(words, settingsPath, context);
    if (command == QStringLiteral("watch")) return RunWatchCommand(words, settingsPath, context);
    return Fail(context, kExitBadInput,
                QStringLiteral("unknown command \"%1\" (commands: settings, sweep, convert, "
                               "readout, analyse, report, cable, calibrate, doctor, watch; "
                               "see --help)")
                    .arg(command));
}

}  // namespace

// Output that could not be written is a failure, whatever the command made of its work: a
// readout piped into a full disk must not exit 0.
int RunCli(const QStringList& arguments, CliContext& context) {
    const int status = RunCommand(arguments, context);
    context.out.flush();
    if (context.out.status() == QTextStream::Ok) return status;
    const QIODevice* device = context.out.device();
    const QString reason = device != nullptr && !device->errorString().isEmpty()
                               ? device->errorString()
                               : QStringLiteral("write error");
    return Fail(context, status == kExitSuccess ? kExitFailure : status,
                QStringLiteral("cannot write the output: %1").arg(reason));
}

}  // namespace ravemo
