#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CliSettings.h"
#include "cli/SweepOutput.h"
#include "cli/SweepRun.h"
#include "common/Units.h"
#include "sweep/ReachableRange.h"
#include "sweep/SweepAverage.h"

namespace ravemo {
namespace {

const char kSweepUsage[] =
    "Usage: ravemo-cli [--settings FILE] sweep --from MHZ --to MHZ [--port CHOICE]\n"
    "                  [--sweeps K] [--average N] [--hold] [--output FILE] [--trace FILE]\n"
    "                  [--calibration CAL]\n"
    "Sweeps from MHZ to MHZ with the settings' Champ and Step, K times (default 1), through\n"
    "the same sweep engine as the window, and writes FILE by its extension: .vec (sweep\n"
    "file), .csv (text export), .s1p (Touchstone), .tsv (table). Both limits must lie\n"
    "within the synthesiser's range, 0 to 90.0035 MHz. Reports how many points were\n"
    "measured; a sweep without --hold that measured none ends with status 1 and writes\n"
    "nothing.\n"
    "  --port CHOICE  sim[:MODEL][;OPTION...] (default: sim), ppdev[:/dev/parportN],\n"
    "                 direct; OPTIONs of the simulator: line=TYPE:METRES, noise=COUNTS,\n"
    "                 seed=N, tracking=DB0:DB30, phase=DEGREES:PERCENT, directivity=DB\n"
    "  --average N    average the last N sweeps point by point (N = 1, 2, 4, 8, 16):\n"
    "                 at least N sweeps are made, and the output is their average\n"
    "  --hold         load the synthesiser but take no readings (as the window's Hold);\n"
    "                 only a .vec output can hold such a sweep\n"
    "  --trace FILE   every port access in order: 'W <address> <value>' or\n"
    "                 'R <address> <value>', decimal\n"
    "  --calibration CAL  correct the readings with the calibration file CAL, whose range\n"
    "                 must hold --from to --to\n";

// The most sweeps one command runs.
constexpr double kMostSweeps = 1'000'000.0;

// Either what to sweep, or the exit status to end with (the usage printed, or a refusal
// reported).
struct SweepArguments {
    std::optional<SweepRequest> request;
    int status = kExitSuccess;
};

SweepArguments Refuse(CliContext& context, const QString& message) {
    return {std::nullopt, Fail(context, kExitBadInput, message)};
}

SweepArguments ReadSweepArguments(const QStringList& words, CliContext& context) {
    CliArguments args(words,
                      {QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("port"),
                       QStringLiteral("sweeps"), QStringLiteral("average"),
                       QStringLiteral("output"), QStringLiteral("trace"), kCalibrationOption},
                      {QStringLiteral("hold"), QStringLiteral("help")});
    if (args.has(QStringLiteral("help"))) {
        context.out << kSweepUsage;
        return {};
    }
    const std::optional<double> from = args.number(QStringLiteral("from"));
    const std::optional<double> to = args.number(QStringLiteral("to"));
    const std::optional<double> sweeps = args.number(QStringLiteral("sweeps"));
    const std::optional<double> average = args.number(QStringLiteral("average"));
    if (!args.error().isEmpty()) return Refuse(context, args.error());
    if (!args.positional().isEmpty()) {
        return Refuse(context, QStringLiteral("sweep takes no file argument (use --output FILE)"));
    }
    if (!from || !to) return Refuse(context, QStringLiteral("sweep needs --from MHZ and --to MHZ"));
    // Points beyond the synthesiser's range are skipped and would hold no reading.
    for (const auto& [name, mhz] : {std::pair{"from", *from}, std::pair{"to", *to}}) {
        if (!FrequencyIsReachable(mhz * kHzPerMHz)) {
            return Refuse(context,
                          QStringLiteral("--%1 %2 is beyond the synthesiser's range: give a "
                                         "frequency from 0 to %3 MHz")
                              .arg(QLatin1String(name), args.value(QLatin1String(name)).trimmed(),
                                   QString::number(kReachableTopMHz)));
        }
    }
    // Equal limits make the frequency step zero, and a tick with a zero step sweeps nothing.
    if (static_cast<float>(*from * kHzPerMHz) == static_cast<float>(*to * kHzPerMHz)) {
        return Refuse(context,
                      QStringLiteral("--from and --to must differ: equal limits sweep nothing"));
    }
    const double sweepCount = sweeps.value_or(1.0);
    if (sweepCount < 1.0 || sweepCount > kMostSweeps || sweepCount != std::floor(sweepCount)) {
        return Refuse(context, QStringLiteral("--sweeps takes a whole number from 1 to 1000000"));
    }

    const double depth = average.value_or(1.0);
    if (depth != std::floor(depth) || !IsAverageDepth(static_cast<int>(depth))) {
        return Refuse(context, QStringLiteral("--average takes 1, 2, 4, 8 or 16 sweeps"));
    }
    if (depth > 1.0 && args.has(QStringLiteral("hold"))) {
        return Refuse(context, QStringLiteral("--hold takes no readings, so there is nothing to "
                                              "average: leave out --hold or --average"));
    }

    SweepRequest request;
    request.calibration = ReadCalibrationOption(args, context);
    if (request.calibration.failure) return {std::nullopt, *request.calibration.failure};
    if (const std::optional<Calibration>& c = request.calibration.calibration) {
        if (args.has(QStringLiteral("hold"))) {
            return Refuse(context, QStringLiteral("--hold takes no readings to correct: leave "
                                                  "out --calibration or --hold"));
        }
        const double lowHz = std::min(*from, *to) * kHzPerMHz;
        const double highHz = std::max(*from, *to) * kHzPerMHz;
        if (!c->covers(lowHz, highHz)) {
            return Refuse(
                context,
                QStringLiteral("%1 calibrates %2 to %3 MHz: sweep within that range "
                               "or calibrate this one")
                    .arg(request.calibration.path, QString::number(c->lowHz() / kHzPerMHz, 'g', 9),
                         QString::number(c->highHz() / kHzPerMHz, 'g', 9)));
        }
    }
    request.fromMHz = *from;
    request.toMHz = *to;
    request.average = static_cast<int>(depth);
    // The average of N sweeps needs N of them.
    request.sweeps = std::max(static_cast<int>(sweepCount), request.average);
    request.hold = args.has(QStringLiteral("hold"));
    request.portChoice = args.has(QStringLiteral("port")) ? args.value(QStringLiteral("port"))
                                                          : QStringLiteral("sim");
    request.trace = args.has(QStringLiteral("trace"));
    request.tracePath = args.value(QStringLiteral("trace"));
    request.outputPath = args.value(QStringLiteral("output"));
    if (!request.outputPath.isEmpty()) {
        request.format = OutputFormatOf(request.outputPath);
        if (!request.format) return Refuse(context, UnknownOutputMessage(request.outputPath));
        // Unread zeros would pass for a near-perfect match in every row of an export.
        if (request.hold && *request.format != OutputFormat::SweepFile) {
            return Refuse(context,
                          QStringLiteral("--hold takes no readings: every row of %1 would look "
                                         "like a near-perfect match; write a .vec file or leave "
                                         "out --hold")
                              .arg(request.outputPath));
        }
    }
    return {request, kExitSuccess};
}

}  // namespace

int RunSweepCommand(const QStringList& words, const QString& settingsPath, CliContext& context) {
    const SweepArguments arguments = ReadSweepArguments(words, context);
    if (!arguments.request) return arguments.status;
    const std::optional<Settings> settings = LoadCliSettings(settingsPath, context);
    if (!settings) return kExitBadInput;

    SweepRun run(*arguments.request, *settings, context);
    for (const auto step :
         {&SweepRun::openPort, &SweepRun::startTrace, &SweepRun::sweep, &SweepRun::write}) {
        if (const std::optional<int> status = (run.*step)()) return *status;
    }
    run.report();
    return kExitSuccess;
}

}  // namespace ravemo
