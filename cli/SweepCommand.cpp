#include <cmath>
#include <memory>
#include <utility>

#include <QFile>

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CliSettings.h"
#include "cli/PlainSweepControls.h"
#include "cli/ProgressPump.h"
#include "cli/SweepOutput.h"
#include "common/NumberText.h"
#include "common/Units.h"
#include "files/SafeFileIo.h"
#include "instrument/Dds.h"
#include "instrument/PortChoice.h"
#include "instrument/TracingPort.h"
#include "sweep/ReachableRange.h"
#include "sweep/SweepEngine.h"

namespace ravemo {
namespace {

const char kSweepUsage[] =
    "Usage: ravemo-cli [--settings FILE] sweep --from MHZ --to MHZ [--port CHOICE]\n"
    "                  [--sweeps K] [--hold] [--output FILE] [--trace FILE]\n"
    "Sweeps from MHZ to MHZ with the settings' Champ and Step, K times (default 1), through\n"
    "the same sweep engine as the window, and writes FILE by its extension: .vec (sweep\n"
    "file), .csv (text export), .s1p (Touchstone), .tsv (table). Both limits must lie\n"
    "within the synthesiser's range, 0 to 90.0035 MHz. Reports how many points were\n"
    "measured; a sweep without --hold that measured none ends with status 1 and writes\n"
    "nothing, and so does a sweep during which a port access failed.\n"
    "  --port CHOICE  sim[:MODEL] (default: sim), ppdev[:/dev/parportN], direct\n"
    "  --hold         load the synthesiser but take no readings (as the window's Hold);\n"
    "                 only a .vec output can hold such a sweep\n"
    "  --trace FILE   every port access in order: 'W <address> <value>' or\n"
    "                 'R <address> <value>', decimal\n";

// Sweeps above this many converter bits per run show a progress bar on a terminal.
constexpr std::int64_t kLongRunYields = 2'000'000;
// Yields per point: one before the point, one per tuning-word bit, one per converter bit.
constexpr std::int64_t kYieldsPerPointWithRead = 1 + 31 + 10;
constexpr std::int64_t kYieldsPerPointHeld = 1 + 31;

class DiscardRedraw final : public SweepRedraw {
  public:
    void redraw() override {}
};

}  // namespace

int RunSweepCommand(const QStringList& words, const QString& settingsPath, CliContext& context) {
    CliArguments args(words,
                      {QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("port"),
                       QStringLiteral("sweeps"), QStringLiteral("output"), QStringLiteral("trace")},
                      {QStringLiteral("hold"), QStringLiteral("help")});
    if (args.has(QStringLiteral("help"))) {
        context.out << kSweepUsage;
        return kExitSuccess;
    }
    const std::optional<double> from = args.number(QStringLiteral("from"));
    const std::optional<double> to = args.number(QStringLiteral("to"));
    const std::optional<double> sweeps = args.number(QStringLiteral("sweeps"));
    if (!args.error().isEmpty()) return Fail(context, kExitBadInput, args.error());
    if (!args.positional().isEmpty()) {
        return Fail(context, kExitBadInput,
                    QStringLiteral("sweep takes no file argument (use --output FILE)"));
    }
    if (!from || !to) {
        return Fail(context, kExitBadInput, QStringLiteral("sweep needs --from MHZ and --to MHZ"));
    }
    // Points beyond the synthesiser's range are skipped and would hold no reading.
    for (const auto& [name, mhz] : {std::pair{"from", *from}, std::pair{"to", *to}}) {
        if (!FrequencyIsReachable(mhz * kHzPerMHz)) {
            return Fail(context, kExitBadInput,
                        QStringLiteral("--%1 %2 is beyond the synthesiser's range: give a "
                                       "frequency from 0 to %3 MHz")
                            .arg(QLatin1String(name), args.value(QLatin1String(name)).trimmed(),
                                 QString::number(kReachableTopMHz)));
        }
    }
    // Equal limits make the frequency step zero, and a tick with a zero step sweeps nothing.
    if (static_cast<float>(*from * kHzPerMHz) == static_cast<float>(*to * kHzPerMHz)) {
        return Fail(context, kExitBadInput,
                    QStringLiteral("--from and --to must differ: equal limits sweep nothing"));
    }
    const double sweepCount = sweeps.value_or(1.0);
    if (sweepCount < 1.0 || sweepCount > 1'000'000.0 || sweepCount != std::floor(sweepCount)) {
        return Fail(context, kExitBadInput,
                    QStringLiteral("--sweeps takes a whole number from 1 to 1000000"));
    }
    const QString outputPath = args.value(QStringLiteral("output"));
    const bool hold = args.has(QStringLiteral("hold"));
    std::optional<OutputFormat> format;
    if (!outputPath.isEmpty()) {
        format = OutputFormatOf(outputPath);
        if (!format) return Fail(context, kExitBadInput, UnknownOutputMessage(outputPath));
        // Unread zeros would pass for a near-perfect match in every row of an export.
        if (hold && *format != OutputFormat::SweepFile) {
            return Fail(context, kExitBadInput,
                        QStringLiteral("--hold takes no readings: every row of %1 would look like "
                                       "a near-perfect match; write a .vec file or leave out "
                                       "--hold")
                            .arg(outputPath));
        }
    }

    std::optional<Settings> loaded = LoadCliSettings(settingsPath, context);
    if (!loaded) return kExitBadInput;
    Settings settings = *loaded;

    const QString choice = args.has(QStringLiteral("port")) ? args.value(QStringLiteral("port"))
                                                            : QStringLiteral("sim");
    OpenedPort opened = context.openPort(choice, settings.Address1);
    if (!opened.problem.isEmpty()) {
        const bool badChoice = opened.problemKind == PortProblem::BadChoice;
        return Fail(context, badChoice ? kExitBadInput : kExitFailure, opened.problem);
    }

    QFile traceFile(args.value(QStringLiteral("trace")));
    std::unique_ptr<TracingPort> tracing;
    if (args.has(QStringLiteral("trace"))) {
        if (!traceFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            return Fail(context, kExitFailure,
                        QStringLiteral("cannot write the trace %1: %2")
                            .arg(traceFile.fileName(), traceFile.errorString()));
        }
        tracing = std::make_unique<TracingPort>(*opened.port, traceFile);
    }
    PortIo& port = tracing ? static_cast<PortIo&>(*tracing) : *opened.port;

    const std::int64_t points = settings.Champ / settings.Step + 1;
    const std::int64_t yields =
        static_cast<std::int64_t>(sweepCount) *
        (1 + points * (hold ? kYieldsPerPointHeld : kYieldsPerPointWithRead));
    NullEventPump quietPump;
    ProgressPump progressPump(context.err, yields);
    const bool showProgress = context.progressOnTerminal && yields > kLongRunYields;
    EventPump& pump = showProgress ? static_cast<EventPump&>(progressPump) : quietPump;

    SweepData data(settings.Champ);
    const PortLink link{port, static_cast<std::uint16_t>(settings.Address1), pump};
    DdsClear(link);

    // Both the live limits and the boxes hold the requested range, so that the first tick's
    // step already spans it.
    PlainSweepControls controls;
    controls.lowerText = NumberText::generalFormat(*from, context.locale);
    controls.upperText = NumberText::generalFormat(*to, context.locale);
    controls.hold = hold ? 1 : 0;
    settings.FMin = static_cast<float>(*from * kHzPerMHz);
    settings.FMax = static_cast<float>(*to * kHzPerMHz);
    DiscardRedraw redraw;
    SweepEngine engine(settings, data, controls, link, redraw, context.locale);
    for (int k = 0; k < static_cast<int>(sweepCount); ++k) engine.tick();
    if (showProgress) progressPump.finish();
    if (tracing) {
        traceFile.close();
        // Lines are buffered: a full disk shows only when they are flushed.
        if (traceFile.error() != QFileDevice::NoError) {
            return Fail(context, kExitFailure,
                        QStringLiteral("cannot write the trace %1: %2")
                            .arg(traceFile.fileName(), traceFile.errorString()));
        }
    }

    // An unplugged adapter or a driver error leaves zeros that would pass for readings.
    if (const std::uint64_t failed = port.failedAccesses(); failed != 0) {
        return Fail(context, kExitFailure,
                    QStringLiteral("%1 failed during the sweep: the readings are not a measurement "
                                   "and nothing was written; check the cable and the adapter")
                        .arg(failed == 1 ? QStringLiteral("1 port access")
                                         : QStringLiteral("%1 port accesses").arg(failed)));
    }

    // With every limit within reach each point is measured; the count says so, not the request.
    const std::int64_t measured = hold ? 0 : ReachablePointCount(data, settings.Step);
    if (!hold && measured == 0) {
        return Fail(context, kExitFailure,
                    QStringLiteral("no point was measured (the synthesiser reaches 0 to %1 MHz); "
                                   "nothing was written")
                        .arg(QString::number(kReachableTopMHz)));
    }
    if (format) {
        const VecLimits limits{
            static_cast<float>(
                NumberText::parseBoxNumber(controls.lowerText, context.locale).value_or(*from)),
            static_cast<float>(
                NumberText::parseBoxNumber(controls.upperText, context.locale).value_or(*to))};
        const QByteArray bytes = EncodeOutput(*format, data, limits, settings.Step, context.locale);
        if (const std::optional<QString> problem = WriteFileAtomically(outputPath, bytes)) {
            return Fail(context, kExitFailure,
                        QStringLiteral("cannot write %1: %2").arg(outputPath, *problem));
        }
    }
    context.out << "swept " << points << " points ("
                << (hold ? QStringLiteral("none measured: held")
                         : QStringLiteral("%1 measured").arg(measured))
                << ") from " << controls.lowerText << " to " << controls.upperText << " MHz "
                << static_cast<int>(sweepCount) << (sweepCount == 1.0 ? " time" : " times")
                << " on the " << opened.description;
    if (!outputPath.isEmpty()) context.out << "; wrote " << outputPath;
    context.out << '\n';
    return kExitSuccess;
}

}  // namespace ravemo
