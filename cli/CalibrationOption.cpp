#include "cli/CalibrationOption.h"

#include "correction/CalibrationFile.h"
#include "correction/SweepCorrection.h"

namespace ravemo {

CalibrationOption ReadCalibrationOption(const CliArguments& args, CliContext& context) {
    if (!args.has(kCalibrationOption)) return {};
    const QString path = args.value(kCalibrationOption);
    if (path.isEmpty()) {
        return {std::nullopt, path,
                Fail(context, kExitBadInput, QStringLiteral("--calibration needs a file name"))};
    }
    ParsedCalibration parsed = ReadCalibrationFile(path);
    if (!parsed.calibration)
        return {std::nullopt, path, Fail(context, kExitBadInput, parsed.error)};
    return {std::move(parsed.calibration), path, std::nullopt};
}

std::optional<int> CorrectWithOption(const CalibrationOption& option, SweepData& data,
                                     std::int32_t step, const QString& sweepPath,
                                     CliContext& context) {
    if (!option.calibration) return std::nullopt;
    const SweepCorrectionOutcome outcome = CorrectSweep(*option.calibration, data, step);
    if (outcome.corrected) return std::nullopt;
    return Fail(context, kExitBadInput,
                QStringLiteral("%1 cannot be corrected with %2: %3")
                    .arg(sweepPath, option.path, outcome.problem));
}

}  // namespace ravemo
