#pragma once

#include <cstdint>
#include <optional>

#include <QString>

#include "correction/Calibration.h"
#include "sweep/SweepData.h"

namespace ravemo {

// Corrects one pair of raw converter readings (steps) at `hz` in place; the corrected values
// stay within the converters' 0 to 1023 steps, so everything downstream reads them as it reads
// any reading. False (readings untouched) outside the calibration's range.
bool CorrectRawReadings(const Calibration& calibration, double hz, float& returnLossRaw,
                        float& phaseRaw);

// The frequency span (Hz) of the points a sweep measured (SweptIndices with `step`), or nothing
// where it measured none.
struct FrequencySpan {
    double lowHz;
    double highHz;
};
std::optional<FrequencySpan> MeasuredSpan(const SweepData& data, std::int32_t step);

// Corrects every measured point of a sweep in place when the calibration covers all of them;
// a sweep reaching outside the range is left as it is (a curve half corrected would pass for a
// whole one) and the reason is given.
struct SweepCorrectionOutcome {
    bool corrected = false;
    QString problem;  // why not, when not
};
SweepCorrectionOutcome CorrectSweep(const Calibration& calibration, SweepData& data,
                                    std::int32_t step);

// What the status strip says of a calibration: in force over its range, or not applied to a
// sweep of `lowHz` to `highHz` outside it.
QString CalibrationInForceNotice(const Calibration& calibration, const QString& name);
QString CalibrationOutsideNotice(const Calibration& calibration, double lowHz, double highHz);

}  // namespace ravemo
