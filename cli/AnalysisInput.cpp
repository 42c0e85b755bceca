#include "cli/AnalysisInput.h"

#include <cmath>

#include <QFileInfo>

#include "analysis/ReflectionSamples.h"
#include "analysis/SweepSamples.h"
#include "cli/AnalysisInputChecks.h"
#include "cli/CliSettings.h"
#include "cli/SweepFileInput.h"
#include "common/NumberText.h"
#include "common/Units.h"
#include "instrument/TouchstoneModel.h"

namespace ravemo {
namespace {

constexpr double kLargestDipCount = 1'000'000.0;
constexpr std::size_t kFewestPoints = 2;

bool IsWhole(double value) { return value == std::floor(value); }

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

AnalysisRequest ParseAnalysisRequest(CliArguments& args, const char* command, CliContext& context) {
    AnalysisRequest parsed;
    AnalysisOptions& o = parsed.options;
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
        return fail(QStringLiteral("%1 needs one file, a sweep file (.vec) or a Touchstone "
                                   "file (.s1p)")
                        .arg(QLatin1String(command)));
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

AnalysisInput ReadAnalysisInput(const QString& path, const QString& settingsPath,
                                AnalysisRequest& request, const char* command,
                                CliContext& context) {
    auto failed = [](int status) { return AnalysisInput{std::nullopt, status}; };
    AnalysisOptions& options = request.options;
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool sweepFile = suffix == QLatin1String("vec");
    if (!sweepFile && suffix != QLatin1String("s1p")) {
        return failed(Fail(context, kExitBadInput,
                           QStringLiteral("%1: %2 reads a sweep file (.vec) or a one-port "
                                          "Touchstone file (.s1p)")
                               .arg(path, QLatin1String(command))));
    }
    std::optional<Settings> settings;
    if (sweepFile || (request.cable && !options.velocityFactor)) {
        settings = LoadCliSettings(settingsPath, context);
        if (!settings) return failed(kExitBadInput);
    }
    if (request.cable && !options.velocityFactor) {
        options.velocityFactor = SettingsVelocityFactor(*settings, context);
        if (!options.velocityFactor) return failed(kExitBadInput);
    }

    // Both readers refuse a folder, a pipe or a device before they open anything.
    AntennaSamples set;
    if (sweepFile) {
        const std::optional<VecFileContents> contents = ReadSweepFile(path, context);
        if (!contents) return failed(kExitBadInput);
        const SweepData& data = contents->data;
        if (const std::optional<QString> problem =
                SweepReadingOutsideConverterRange(data, settings->Step, path)) {
            return failed(Fail(context, kExitBadInput, *problem));
        }
        set = SamplesFromSweep(data, settings->Step);
        if (set.samples.size() < kFewestPoints) {
            return failed(
                Fail(context, kExitBadInput,
                     WhyTooFewSweepSamples(data, settings->Step, set.samples.size(), path)));
        }
    } else {
        const TouchstoneModel::Parsed touchstone = TouchstoneModel::fromFile(path);
        if (!touchstone.model) return failed(Fail(context, kExitBadInput, touchstone.error));
        const std::vector<TouchstoneModel::Point>& points = touchstone.model->points();
        set = SamplesFromReflections(points, touchstone.model->referenceOhms());
        if (set.samples.size() < kFewestPoints) {
            return failed(Fail(context, kExitBadInput,
                               WhyTooFewReflectionSamples(points, set.samples.size(), path)));
        }
        if (const std::optional<QString> warning = ReflectionAboveOneWarning(points, path)) {
            context.err << "ravemo-cli: warning: " << *warning << '\n';
            context.err.flush();
        }
    }
    return AnalysisInput{std::move(set), kExitSuccess};
}

}  // namespace ravemo
