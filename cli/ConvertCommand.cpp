#include "cli/CalibrationOption.h"
#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CliSettings.h"
#include "cli/SweepFileInput.h"
#include "cli/SweepOutput.h"
#include "files/SafeFileIo.h"

namespace ravemo {

int RunConvertCommand(const QStringList& words, const QString& settingsPath, CliContext& context) {
    CliArguments args(words, {kCalibrationOption}, {QStringLiteral("help")});
    if (args.has(QStringLiteral("help"))) {
        context.out
            << "Usage: ravemo-cli [--settings FILE] convert IN.vec OUT [--calibration CAL]\n"
               "Writes the sweep file IN.vec as OUT by its extension: .csv (text "
               "export),\n.s1p (Touchstone), .tsv (table) or .vec. The point count "
               "comes from the\nfile's size; Touchstone and table take the settings' "
               "Step.\n"
               "  --calibration CAL  correct the readings with the calibration file CAL\n";
        return kExitSuccess;
    }
    if (!args.error().isEmpty()) return Fail(context, kExitBadInput, args.error());
    if (args.positional().size() != 2) {
        return Fail(context, kExitBadInput, QStringLiteral("convert needs IN.vec and OUT"));
    }
    const QString& inputPath = args.positional()[0];
    const QString& outputPath = args.positional()[1];
    const std::optional<OutputFormat> format = OutputFormatOf(outputPath);
    if (!format) return Fail(context, kExitBadInput, UnknownOutputMessage(outputPath));
    const CalibrationOption calibration = ReadCalibrationOption(args, context);
    if (calibration.failure) return *calibration.failure;
    const std::optional<Settings> settings = LoadCliSettings(settingsPath, context);
    if (!settings) return kExitBadInput;
    std::optional<VecFileContents> contents = ReadSweepFile(inputPath, context);
    if (!contents) return kExitBadInput;
    if (const std::optional<int> failure =
            CorrectWithOption(calibration, contents->data, settings->Step, inputPath, context)) {
        return *failure;
    }
    const QByteArray bytes =
        EncodeOutput(*format, contents->data, contents->limits, settings->Step, context.locale);
    if (const std::optional<QString> problem = WriteFileAtomically(outputPath, bytes)) {
        return Fail(context, kExitFailure,
                    QStringLiteral("cannot write %1: %2").arg(outputPath, *problem));
    }
    return kExitSuccess;
}

}  // namespace ravemo
