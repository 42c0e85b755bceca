#include <cmath>
#include <optional>

#include <QFile>
#include <QFileInfo>

#include "analysis/AntennaAnalysis.h"
#include "analysis/ReflectionSamples.h"
#include "analysis/SweepSamples.h"
#include "cli/AnalysisOutput.h"
#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CliSettings.h"
#include "cli/SweepFileInput.h"
#include "common/NumberText.h"
#include "common/Units.h"
#include "instrument/TouchstoneModel.h"

namespace ravemo {
namespace {

const char kAnalyseUsage[] =
    "Usage: ravemo-cli [--settings FILE] analyse FILE [--json] [--samples] [--swr-limit X]\n"
    "                  [--dips N] [--region 1|2|3] [--target-mhz F] [--cable]\n"
    "                  [--velocity-factor VF]\n"
    "Analyses a sweep file (.vec: the point count from its size, the settings' Step for the\n"
    "swept points) or a one-port Touchstone file (.s1p): the SWR dips with their 2:1 and 1.5:1\n"
    "bandwidths and Q, the resonances, the amateur bands the sweep covers, trim advice and the\n"
    "length of an open cable. The instrument measures |phase| only: for a sweep file the sign\n"
    "of the reactance is estimated and shown as X (est.).\n"
    "  --json                one JSON object, numbers in SI units\n"
    "  --samples             every sample as well\n"
    "  --swr-limit X         a dip is where the SWR is below X (default 2)\n"
    "  --dips N              at most N dips, deepest first (default 3)\n"
    "  --region R            IARU region of the band edges: 1, 2 or 3 (default 1)\n"
    "  --target-mhz F        how much to lengthen or shorten the element to resonate at F MHz\n"
    "  --cable               the length of a cable open at its far end, from its quarter wave\n"
    "  --velocity-factor VF  the cable's velocity factor, 0 < VF <= 1 (default: the settings'\n"
    "                        InputVelFactor, read as a percentage when above 1)\n";

constexpr double kLargestDipCount = 1'000'000.0;
constexpr std::size_t kFewestPoints = 2;

bool IsWhole(double value) { return value == std::floor(value); }

// The options after their checks, or the status of the failure already reported.
struct ParsedOptions {
    AnalysisOptions analysis;
    bool cable = false;
    std::optional<int> failure;
};

ParsedOptions ParseOptions(CliArguments& args, CliContext& context) {
    ParsedOptions parsed;
    AnalysisOptions& o = parsed.analysis;
    const std::optional<double> limit = args.number(QStringLiteral("swr-limit"));
    const std::optional<double> dips = args.number(QStringLiteral("dips"));
    const std::optional<double> region = args.number(QStringLiteral("region"));
    const std::optional<double> targetMHz = args.number(QStringLiteral("target-mhz"));
    const std::optional<double> velocityFactor = args.number(QStringLiteral("velocity-factor"));
    auto fail = [&](const QString& message) {
        parsed.failure = Fail(context, kExitBadInput, message);
        return parsed;
    };
    if (!args.error().isEmpty()) return fail(args.error());
    if (args.positional().size() != 1) {
        return fail(
            QStringLiteral("analyse needs one file, a sweep file (.vec) or a Touchstone "
                           "file (.s1p)"));
    }
    if (limit && !(*limit > 1.0)) {
        return fail(QStringLiteral("--swr-limit takes an SWR above 1, such as 2 or 1.5"));
    }
    if (dips && (!IsWhole(*dips) || *dips < 0.0 || *dips > kLargestDipCount)) {
        return fail(QStringLiteral("--dips takes a whole number from 0 to 1000000"));
    }
    if (region && *region != 1.0 && *region != 2.0 && *region != 3.0) {
        return fail(QStringLiteral("--region takes the IARU region 1, 2 or 3"));
    }
    if (targetMHz && !(*targetMHz > 0.0)) {
        return fail(QStringLiteral("--target-mhz takes a frequency in MHz above 0, such as 14.2"));
    }
    parsed.cable = args.has(QStringLiteral("cable"));
    if (velocityFactor && !parsed.cable) {
        return fail(QStringLiteral("--velocity-factor goes with --cable"));
    }
    if (velocityFactor && !IsVelocityFactor(*velocityFactor)) {
        return fail(QStringLiteral("--velocity-factor %1 is outside 0 < VF <= 1; give the factor, "
                                   "such as 0.66")
                        .arg(args.value(QStringLiteral("velocity-factor"))));
    }
    if (limit) o.swrLimit = *limit;
    if (dips) o.maxDips = static_cast<int>(*dips);
    if (region) o.region = static_cast<int>(*region);
    if (targetMHz) o.targetHz = *targetMHz * kHzPerMHz;
    o.velocityFactor = velocityFactor;
    return parsed;
}

// A file that is not there is a bad argument; one that is there but cannot be read is a
// failure of the work.
std::optional<int> CheckReadable(const QString& path, CliContext& context) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return Fail(context, kExitBadInput, QStringLiteral("%1: no such file").arg(path));
    }
    if (info.isDir()) {
        return Fail(context, kExitBadInput, QStringLiteral("%1 is a folder, not a file").arg(path));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Fail(context, kExitFailure,
                    QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    }
    return std::nullopt;
}

// The velocity factor of the settings, or nothing after a message.
std::optional<double> SettingsVelocityFactor(const Settings& settings, CliContext& context) {
    const double setting = settings.InputVelFactor;
    const double factor = VelocityFactorOfSetting(setting);
    if (IsVelocityFactor(factor)) return factor;
    Fail(context, kExitBadInput,
         QStringLiteral("the settings' InputVelFactor=%1 gives a velocity factor of %2, outside "
                        "0 < VF <= 1 (a value above 1 is a percentage); fix the settings or give "
                        "--velocity-factor VF")
             .arg(NumberText::generalFormat(settings.InputVelFactor, context.locale),
                  NumberText::generalFormat(factor, context.locale)));
    return std::nullopt;
}

}  // namespace

int RunAnalyseCommand(const QStringList& words, const QString& settingsPath, CliContext& context) {
    CliArguments args(
        words,
        {QStringLiteral("swr-limit"), QStringLiteral("dips"), QStringLiteral("region"),
         QStringLiteral("target-mhz"), QStringLiteral("velocity-factor")},
        {QStringLiteral("json"), QStringLiteral("samples"), QStringLiteral("cable"),
         QStringLiteral("help")});
    if (args.has(QStringLiteral("help"))) {
        context.out << kAnalyseUsage;
        return kExitSuccess;
    }
    ParsedOptions parsed = ParseOptions(args, context);
    if (parsed.failure) return *parsed.failure;
    AnalysisOptions& options = parsed.analysis;

    const QString path = args.positional().front();
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool sweepFile = suffix == QLatin1String("vec");
    if (!sweepFile && suffix != QLatin1String("s1p")) {
        return Fail(context, kExitBadInput,
                    QStringLiteral("%1: analyse reads a sweep file (.vec) or a one-port "
                                   "Touchstone file (.s1p)")
                        .arg(path));
    }
    if (const std::optional<int> status = CheckReadable(path, context)) return *status;

    std::optional<Settings> settings;
    if (sweepFile || (parsed.cable && !options.velocityFactor)) {
        settings = LoadCliSettings(settingsPath, context);
        if (!settings) return kExitBadInput;
    }
    if (parsed.cable && !options.velocityFactor) {
        options.velocityFactor = SettingsVelocityFactor(*settings, context);
        if (!options.velocityFactor) return kExitBadInput;
    }

    AntennaSamples set;
    if (sweepFile) {
        const std::optional<VecFileContents> contents = ReadSweepFile(path, context);
        if (!contents) return kExitBadInput;
        set = SamplesFromSweep(contents->data, settings->Step);
    } else {
        const TouchstoneModel::Parsed touchstone = TouchstoneModel::fromFile(path);
        if (!touchstone.model) return Fail(context, kExitBadInput, touchstone.error);
        set = SamplesFromReflections(touchstone.model->points(), touchstone.model->referenceOhms());
    }
    if (set.samples.size() < kFewestPoints) {
        return Fail(context, kExitBadInput,
                    QStringLiteral("%1 holds %2 measured point(s) with a finite impedance; the "
                                   "analysis needs at least 2")
                        .arg(path, QString::number(set.samples.size())));
    }

    const AntennaAnalysis analysis = AnalyseAntenna(set, options);
    const AnalysisOutputInput output{path, set, analysis, options,
                                     args.has(QStringLiteral("samples"))};
    if (args.has(QStringLiteral("json"))) {
        context.out << QString::fromUtf8(AnalysisJson(output));
    } else {
        context.out << AnalysisReport(output, context.locale);
    }
    return kExitSuccess;
}

}  // namespace ravemo
