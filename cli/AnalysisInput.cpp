#include "cli/AnalysisInput.h"

#include <array>
#include <charconv>
#include <cmath>

#include <QFileInfo>

#include "analysis/DirectivityFloor.h"
#include "analysis/ReflectionSamples.h"
#include "analysis/SweepSamples.h"
#include "cli/AnalysisInputChecks.h"
#include "cli/CliSettings.h"
#include "cli/SweepFileInput.h"
#include "common/FeedlineText.h"
#include "common/NumberText.h"
#include "common/Units.h"
#include "instrument/TouchstoneModel.h"
#include "sweep/ReachableRange.h"

namespace ravemo {
namespace {

constexpr std::size_t kFewestPoints = 2;
// Room for the shortest text of any float ("-1.1754944e-38").
constexpr std::size_t kShortestFloatChars = 32;

// The values a number option may take, and how its message words them. Outside these the
// option means nothing: no dip list at all, an SWR limit no antenna is measured against, a
// target the synthesiser cannot reach.
struct OptionRange {
    const char* name;
    double lowest;
    double highest;
    bool lowestAllowed;  // false: only values above `lowest`
    bool whole;
    const char* allowed;

    bool allows(double value) const {
        const bool aboveLowest = lowestAllowed ? value >= lowest : value > lowest;
        return aboveLowest && value <= highest && (!whole || value == std::floor(value));
    }
};

constexpr double kHighestSwrLimit = 100.0;
constexpr double kMostDips = 1000.0;

// clang-format off
constexpr OptionRange kSwrLimitRange{"swr-limit", 1.0, kHighestSwrLimit, false, false,
    "an SWR above 1 and at most 100, such as 2 or 1.5"};
constexpr OptionRange kDipsRange{"dips", 1.0, kMostDips, true, true,
    "a whole number of dips from 1 to 1000"};
constexpr OptionRange kRegionRange{"region", 1.0, kIaruRegionCount, true, true,
    "the IARU region 1, 2 or 3"};
constexpr OptionRange kTargetRange{"target-mhz", kLowestTrimTargetHz / kHzPerMHz,
    kHighestTrimTargetHz / kHzPerMHz, true, false,
    "a frequency from 0.001 to 90.0035 MHz (the synthesiser's range), such as 14.2"};
constexpr OptionRange kVelocityFactorRange{"velocity-factor", kLowestVelocityFactor, 1.0, true,
    false, "a velocity factor from 0.1 to 1, such as 0.66"};
// clang-format on

// The number a single-precision setting was written as: 0.66, not the 0.660000026226044 the
// float holds, so that the factor is used and printed as the user gave it.
double WrittenValue(float value) {
    std::array<char, kShortestFloatChars> text{};
    const std::to_chars_result written =
        std::to_chars(text.data(), text.data() + text.size(), value);
    double parsed = value;
    std::from_chars(text.data(), written.ptr, parsed);
    return parsed;
}

// The velocity factor of the settings, or nothing after a message.
std::optional<double> SettingsVelocityFactor(const Settings& settings, CliContext& context) {
    const double setting = WrittenValue(settings.InputVelFactor);
    const double factor = VelocityFactorOfSetting(setting);
    if (IsVelocityFactor(factor)) return factor;
    Fail(context, kExitBadInput,
         QStringLiteral("the settings' InputVelFactor=%1 gives a velocity factor of %2, outside "
                        "0.1 to 1 (a value above 1 is a percentage); fix the settings or give "
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
    for (const auto& [range, value] :
         {std::pair{&kSwrLimitRange, limit}, std::pair{&kDipsRange, dips},
          std::pair{&kRegionRange, region}, std::pair{&kTargetRange, targetMHz},
          std::pair{&kVelocityFactorRange, velocityFactor}}) {
        if (value && !range->allows(*value)) {
            const QString name = QLatin1String(range->name);
            return fail(QStringLiteral("--%1 takes %2, not %3")
                            .arg(name, QLatin1String(range->allowed), args.value(name).trimmed()));
        }
    }
    if (args.has(QStringLiteral("feedline"))) {
        const ParsedFeedline line = ParseFeedline(args.value(QStringLiteral("feedline")));
        if (!line.line) return fail(QStringLiteral("--feedline: ") + line.error);
        parsed.feedline = line.line;
    }
    parsed.calibration = ReadCalibrationOption(args, context);
    if (parsed.calibration.failure) {
        parsed.failure = parsed.calibration.failure;
        return parsed;
    }
    parsed.cable = args.has(QStringLiteral("cable"));
    if (velocityFactor && !parsed.cable) {
        return fail(QStringLiteral("--velocity-factor goes with --cable"));
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
    auto failed = [](int status) { return AnalysisInput{std::nullopt, {}, status}; };
    AnalysisOptions& options = request.options;
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool sweepFile = suffix == QLatin1String("vec");
    if (!sweepFile && request.calibration.calibration) {
        return failed(Fail(context, kExitBadInput,
                           QStringLiteral("%1: --calibration corrects the converter readings of "
                                          "a sweep file (.vec); a Touchstone file holds "
                                          "reflections, not readings")
                               .arg(path)));
    }
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
        std::optional<VecFileContents> contents = ReadSweepFile(path, context);
        if (!contents) return failed(kExitBadInput);
        const SweepData& data = contents->data;
        if (const std::optional<QString> problem =
                SweepReadingOutsideConverterRange(data, settings->Step, path)) {
            return failed(Fail(context, kExitBadInput, *problem));
        }
        if (const std::optional<int> failure = CorrectWithOption(
                request.calibration, contents->data, settings->Step, path, context)) {
            return failed(*failure);
        }
        set = SamplesFromSweep(data, settings->Step);
        if (request.calibration.calibration) {
            MarkDirectivityFloor(set.samples, *request.calibration.calibration);
        }
        if (set.samples.size() < kFewestPoints) {
            return failed(
                Fail(context, kExitBadInput,
                     WhyTooFewSweepSamples(data, settings->Step, set.samples.size(), path)));
        }
    } else {
        const TouchstoneModel::Parsed touchstone = TouchstoneModel::fromFile(path);
        if (!touchstone.model) return failed(Fail(context, kExitBadInput, touchstone.error));
        const std::vector<TouchstoneModel::Point>& points = touchstone.model->points();
        set = SamplesFromReflections(points, touchstone.model->referenceOhms(),
                                     touchstone.model->signsEstimated());
        if (set.samples.size() < kFewestPoints) {
            return failed(Fail(context, kExitBadInput,
                               WhyTooFewReflectionSamples(points, set.samples.size(), path)));
        }
        if (const std::optional<QString> warning = ReflectionAboveOneWarning(points, path)) {
            context.err << "ravemo-cli: warning: " << *warning << '\n';
            context.err.flush();
        }
    }
    if (const std::optional<QString> problem = MeaninglessFrequencies(set, path)) {
        return failed(Fail(context, kExitBadInput, *problem));
    }
    if (!request.feedline) return AnalysisInput{std::move(set), {}, kExitSuccess};
    FeedpointSamples fed = SamplesAtAntenna(set, *request.feedline);
    if (fed.samples.samples.size() < kFewestPoints) {
        return failed(
            Fail(context, kExitBadInput,
                 QStringLiteral("%1: the antenna cannot be seen through %2 m of %3 "
                                "anywhere in the sweep: the return loss at the "
                                "analyser lies within twice the cable's loss")
                     .arg(path, NumberText::generalFormat(request.feedline->lengthM, QLocale::c()),
                          request.feedline->type.description)));
    }
    return AnalysisInput{std::move(fed.samples), std::move(fed.unseen), kExitSuccess};
}

}  // namespace ravemo
