#pragma once

#include <cstdint>
#include <optional>

#include <QString>

#include "cli/CliArguments.h"
#include "cli/CliContext.h"
#include "correction/Calibration.h"
#include "sweep/SweepData.h"

namespace ravemo {

// The option --calibration CAL of the commands that read converter readings.
inline const QString kCalibrationOption = QStringLiteral("calibration");

// The calibration the option names (none when it is absent), or the status of the failure
// already reported: a file that cannot be read or is no calibration.
struct CalibrationOption {
    std::optional<Calibration> calibration;
    QString path;
    std::optional<int> failure;
};
CalibrationOption ReadCalibrationOption(const CliArguments& args, CliContext& context);

// Corrects the readings of `data` (named `sweepPath` in messages) with the option's calibration;
// a sweep reaching outside the calibration's range is refused, never half corrected. Nothing
// when there is no calibration or all went well, else the status of the failure reported.
std::optional<int> CorrectWithOption(const CalibrationOption& option, SweepData& data,
                                     std::int32_t step, const QString& sweepPath,
                                     CliContext& context);

}  // namespace ravemo
