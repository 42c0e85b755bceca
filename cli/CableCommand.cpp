#include "analysis/AmateurBands.h"
#include "analysis/CableMeasurement.h"
#include "cli/AnalysisInput.h"
#include "cli/CableOutput.h"
#include "cli/CliArguments.h"
#include "cli/CliCommands.h"

namespace ravemo {
namespace {

const char kCableUsage[] =
    "Usage: ravemo-cli [--settings FILE] cable FILE --end open|short\n"
    "                  [--length-m L | --velocity-factor VF] [--region 1|2|3] [--json]\n"
    "                  [--calibration CAL]\n"
    "Measures a cable left open or shorted at its far end from a sweep file (.vec) or a\n"
    "one-port Touchstone file (.s1p): its one-way loss (half the return loss) at each amateur\n"
    "band the sweep covers, fitted to a sqrt(f) + b f with the nearest catalogue cable; its\n"
    "velocity factor from a known length, or its length from a known velocity factor, from\n"
    "the line's resonances; and the distance to each fault (open, short, mismatch) from the\n"
    "inverse transform of Re G, with the resolution and range the sweep gives.\n"
    "  --end open|short      how the far end is left\n"
    "  --length-m L          the cable's length in metres, 0.1 to 100000: gives the VF\n"
    "  --velocity-factor VF  the cable's velocity factor, 0.1 to 1: gives the length\n"
    "                        (neither: the settings' InputVelFactor)\n"
    "  --region R            IARU region of the band edges: 1, 2 or 3 (default 1)\n"
    "  --json                one JSON object, numbers in SI units\n"
    "  --calibration CAL     correct a sweep file's readings with the calibration file CAL\n";

constexpr double kShortestCableM = 0.1;
constexpr double kLongestCableM = 100000.0;

}  // namespace

int RunCableCommand(const QStringList& words, const QString& settingsPath, CliContext& context) {
    CliArguments args(
        words,
        {QStringLiteral("end"), QStringLiteral("length-m"), QStringLiteral("velocity-factor"),
         QStringLiteral("region"), kCalibrationOption},
        {QStringLiteral("json"), QStringLiteral("help")});
    if (args.has(QStringLiteral("help"))) {
        context.out << kCableUsage;
        return kExitSuccess;
    }
    const std::optional<double> length = args.number(QStringLiteral("length-m"));
    const std::optional<double> factor = args.number(QStringLiteral("velocity-factor"));
    const std::optional<double> region = args.number(QStringLiteral("region"));
    auto fail = [&](const QString& message) { return Fail(context, kExitBadInput, message); };
    if (!args.error().isEmpty()) return fail(args.error());
    if (args.positional().size() != 1) {
        return fail(QStringLiteral(
            "cable needs one file, a sweep file (.vec) or a Touchstone file (.s1p)"));
    }
    const QString end = args.value(QStringLiteral("end")).trimmed();
    if (end != QStringLiteral("open") && end != QStringLiteral("short")) {
        return fail(end.isEmpty() ? QStringLiteral("cable needs --end open or --end short: how "
                                                   "the cable's far end is left")
                                  : QStringLiteral("--end takes open or short, not %1").arg(end));
    }
    if (length && factor) {
        return fail(
            QStringLiteral("give --length-m or --velocity-factor, not both: one is "
                           "worked out from the other"));
    }
    if (length && !(*length >= kShortestCableM && *length <= kLongestCableM)) {
        return fail(QStringLiteral("--length-m takes a length from 0.1 to 100000 metres, not %1")
                        .arg(args.value(QStringLiteral("length-m")).trimmed()));
    }
    if (factor && !IsVelocityFactor(*factor)) {
        return fail(QStringLiteral("--velocity-factor takes a velocity factor from 0.1 to 1, "
                                   "such as 0.66, not %1")
                        .arg(args.value(QStringLiteral("velocity-factor")).trimmed()));
    }
    if (region && !(*region >= 1 && *region <= kIaruRegionCount && *region == int(*region))) {
        return fail(QStringLiteral("--region takes the IARU region 1, 2 or 3, not %1")
                        .arg(args.value(QStringLiteral("region")).trimmed()));
    }

    // Without a length or a factor the settings' factor is used, as analyse --cable does.
    AnalysisRequest request;
    request.cable = !length;
    request.options.velocityFactor = factor;
    request.calibration = ReadCalibrationOption(args, context);
    if (request.calibration.failure) return *request.calibration.failure;
    const QString path = args.positional().front();
    const AnalysisInput input = ReadAnalysisInput(path, settingsPath, request, "cable", context);
    if (!input.set) return input.status;

    CableQuestion question;
    question.end = end == QStringLiteral("open") ? CableEnd::Open : CableEnd::Short;
    question.lengthM = length;
    question.velocityFactor = length ? std::nullopt : request.options.velocityFactor;
    question.region = region ? static_cast<int>(*region) : kDefaultIaruRegion;
    const CableMeasurement measured = MeasureCable(input.set->samples, question);
    if (args.has(QStringLiteral("json"))) {
        context.out << QString::fromUtf8(CableJson(measured));
    } else {
        context.out << CableReport(path, measured, context.locale);
    }
    return kExitSuccess;
}

}  // namespace ravemo
