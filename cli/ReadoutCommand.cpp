#include <cmath>
#include <limits>

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/SweepFileInput.h"
#include "common/Units.h"
#include "sweep/MarkerReadouts.h"
#include "sweep/PlainSweepControls.h"
#include "sweep/ReachableRange.h"
#include "sweep/SweptPoints.h"

namespace ravemo {
namespace {

const char kReadoutUsage[] =
    "Usage: ravemo-cli readout --rl R --phase P --freq HZ [--offset DB]\n"
    "       ravemo-cli readout IN.vec --at MHZ [--offset DB]\n"
    "Prints the marker readouts exactly as the window's marker 1 boxes show them, for raw\n"
    "converter readings R and P (0..1023) at HZ (0 to 90003500), or for the sample of a sweep\n"
    "file nearest MHZ: frequency, swr, phase, return_loss, xs, rs, z, l (uH), c (pF), one\n"
    "name=value each.\n";

// The converters give 10-bit readings.
constexpr double kHighestReading = 1023.0;
// The window's offset box corrects the return loss by a few dB; beyond this the readouts would
// be numbers of hundreds of digits, not a correction.
constexpr double kLargestOffsetDb = 100.0;

// True when an option was given outside lowest..highest.
bool Outside(const std::optional<double>& value, double lowest, double highest) {
    return value && !(*value >= lowest && *value <= highest);
}

// The sample of a sweep file whose tuning word lies nearest `hz`.
std::optional<MarkerSample> NearestSample(const SweepData& data, double hz) {
    std::optional<MarkerSample> nearest;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const std::int32_t i : SweptIndices(data, 1)) {
        const auto index = static_cast<std::size_t>(i);
        const double frequency = WordFrequencyHz(data.DdsWords[index]);
        const double distance = std::fabs(frequency - hz);
        if (distance < bestDistance) {
            bestDistance = distance;
            nearest =
                MarkerSample{data.ReturnLossSamples[index], data.PhaseSamples[index], frequency};
        }
    }
    return nearest;
}

void PrintReadouts(const MarkerSample& sample, const QString& offsetText, CliContext& context) {
    PlainSweepControls controls;
    controls.offset = offsetText;
    ShowMarkerReadouts(controls, sample, sample, context.locale);
    const std::pair<const char*, Readout> lines[] = {
        {"frequency", Readout::Mk1Frequency}, {"swr", Readout::Mk1Swr},
        {"phase", Readout::Mk1Phase},         {"return_loss", Readout::Mk1ReturnLoss},
        {"xs", Readout::Mk1Reactance},        {"rs", Readout::Mk1Resistance},
        {"z", Readout::Mk1Impedance},         {"l", Readout::Mk1Inductance},
        {"c", Readout::Mk1Capacitance},
    };
    for (const auto& [name, readout] : lines) {
        context.out << name << '=' << controls.readoutText(readout) << '\n';
    }
}

}  // namespace

int RunReadoutCommand(const QStringList& words, CliContext& context) {
    CliArguments args(words,
                      {QStringLiteral("rl"), QStringLiteral("phase"), QStringLiteral("freq"),
                       QStringLiteral("at"), QStringLiteral("offset")},
                      {QStringLiteral("help")});
    if (args.has(QStringLiteral("help"))) {
        context.out << kReadoutUsage;
        return kExitSuccess;
    }
    const std::optional<double> offset = args.number(QStringLiteral("offset"));
    const std::optional<double> rl = args.number(QStringLiteral("rl"));
    const std::optional<double> phase = args.number(QStringLiteral("phase"));
    const std::optional<double> freq = args.number(QStringLiteral("freq"));
    const std::optional<double> at = args.number(QStringLiteral("at"));
    if (!args.error().isEmpty()) return Fail(context, kExitBadInput, args.error());
    if (Outside(rl, 0.0, kHighestReading) || Outside(phase, 0.0, kHighestReading)) {
        return Fail(context, kExitBadInput,
                    QStringLiteral("--%1 takes a raw converter reading from 0 to 1023")
                        .arg(Outside(rl, 0.0, kHighestReading) ? "rl" : "phase"));
    }
    // The markers lie on swept frequencies, inside the synthesiser's range.
    const struct {
        const char* name;
        std::optional<double> value;
        double lowest;
        double highest;
        const char* allowed;
    } ranges[] = {
        {"freq", freq, 0.0, kReachableTopMHz * kHzPerMHz,
         "a frequency from 0 to 90003500 Hz (the synthesiser's range)"},
        {"at", at, 0.0, kReachableTopMHz, "a frequency from 0 to 90.0035 MHz"},
        {"offset", offset, -kLargestOffsetDb, kLargestOffsetDb,
         "a return-loss offset from -100 to 100 dB"},
    };
    for (const auto& range : ranges) {
        if (Outside(range.value, range.lowest, range.highest)) {
            return Fail(context, kExitBadInput,
                        QStringLiteral("--%1 takes %2, not %3")
                            .arg(QLatin1String(range.name), QLatin1String(range.allowed),
                                 args.value(QLatin1String(range.name)).trimmed()));
        }
    }
    const QString offsetText =
        offset ? args.value(QStringLiteral("offset")).trimmed() : QStringLiteral("0");

    if (args.positional().isEmpty()) {
        if (!rl || !phase || !freq || at) {
            return Fail(context, kExitBadInput,
                        QStringLiteral("readout needs --rl R --phase P --freq HZ, or a sweep "
                                       "file and --at MHZ"));
        }
        PrintReadouts({static_cast<float>(*rl), static_cast<float>(*phase), *freq}, offsetText,
                      context);
        return kExitSuccess;
    }
    if (args.positional().size() != 1 || !at || rl || phase || freq) {
        return Fail(context, kExitBadInput,
                    QStringLiteral("readout of a sweep file takes one file and --at MHZ"));
    }
    const std::optional<VecFileContents> contents =
        ReadSweepFile(args.positional().front(), context);
    if (!contents) return kExitBadInput;
    const std::optional<MarkerSample> sample = NearestSample(contents->data, *at * kHzPerMHz);
    if (!sample) {
        return Fail(context, kExitBadInput,
                    QStringLiteral("%1 holds no swept point (no tuning word above 0)")
                        .arg(args.positional().front()));
    }
    PrintReadouts(*sample, offsetText, context);
    return kExitSuccess;
}

}  // namespace ravemo
