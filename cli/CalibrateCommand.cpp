#include <QDateTime>

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CliSettings.h"
#include "cli/SweepFileInput.h"
#include "correction/CalibrationFile.h"
#include "correction/CalibrationFromSweeps.h"
#include "files/SafeFileIo.h"

namespace ravemo {
namespace {

const char kCalibrateUsage[] =
    "Usage: ravemo-cli [--settings FILE] calibrate --short S.vec --open O.vec --load L.vec\n"
    "                  --output CAL\n"
    "Makes a calibration file from three sweeps over the same range, with the same settings,\n"
    "of a short, an open and a 50 ohm load at the end of your jumper (the reference plane).\n"
    "The open and the short give the return-loss converter's 0 dB and the phase converter's\n"
    "0 and 180 degrees at each frequency; the load gives the bridge's directivity floor.\n"
    "Give CAL to sweep, convert, analyse and report with --calibration CAL.\n";

}  // namespace

int RunCalibrateCommand(const QStringList& words, const QString& settingsPath,
                        CliContext& context) {
    CliArguments args(words,
                      {QStringLiteral("short"), QStringLiteral("open"), QStringLiteral("load"),
                       QStringLiteral("output")},
                      {QStringLiteral("help")});
    if (args.has(QStringLiteral("help"))) {
        context.out << kCalibrateUsage;
        return kExitSuccess;
    }
    if (!args.error().isEmpty()) return Fail(context, kExitBadInput, args.error());
    if (!args.positional().isEmpty()) {
        return Fail(context, kExitBadInput,
                    QStringLiteral("calibrate takes its files as --short, --open, --load and "
                                   "--output"));
    }
    for (const char* name : {"short", "open", "load", "output"}) {
        if (args.value(QLatin1String(name)).isEmpty()) {
            return Fail(context, kExitBadInput,
                        QStringLiteral("calibrate needs --short S.vec --open O.vec --load L.vec "
                                       "--output CAL (--%1 is missing)")
                            .arg(QLatin1String(name)));
        }
    }
    const std::optional<Settings> settings = LoadCliSettings(settingsPath, context);
    if (!settings) return kExitBadInput;
    const std::optional<VecFileContents> shortSweep =
        ReadSweepFile(args.value(QStringLiteral("short")), context);
    if (!shortSweep) return kExitBadInput;
    const std::optional<VecFileContents> openSweep =
        ReadSweepFile(args.value(QStringLiteral("open")), context);
    if (!openSweep) return kExitBadInput;
    const std::optional<VecFileContents> loadSweep =
        ReadSweepFile(args.value(QStringLiteral("load")), context);
    if (!loadSweep) return kExitBadInput;
    const Calibration::Made made =
        CalibrationFromSweeps({shortSweep->data, openSweep->data, loadSweep->data}, settings->Step);
    if (!made.calibration) {
        return Fail(context, kExitBadInput,
                    QStringLiteral("no calibration was made: %1").arg(made.error));
    }
    const QString output = args.value(QStringLiteral("output"));
    const QByteArray bytes =
        EncodeCalibrationFile(*made.calibration, QDateTime::currentDateTimeUtc());
    if (const std::optional<QString> problem = WriteFileAtomically(output, bytes)) {
        return Fail(context, kExitFailure,
                    QStringLiteral("cannot write %1: %2").arg(output, *problem));
    }
    const Calibration& c = *made.calibration;
    context.out << "wrote " << output << ": " << c.points().size() << " points from "
                << QString::number(c.lowHz() / 1e6, 'g', 9) << " to "
                << QString::number(c.highHz() / 1e6, 'g', 9) << " MHz\n";
    return kExitSuccess;
}

}  // namespace ravemo
