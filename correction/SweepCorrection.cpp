#include "correction/SweepCorrection.h"

#include <algorithm>

#include "common/Units.h"
#include "sweep/MeasurementRules.h"
#include "sweep/SweptPoints.h"

namespace ravemo {
namespace {

constexpr double kLargestReadingSteps = 1023.0;

float Steps(double value) {
    return static_cast<float>(std::clamp(value, 0.0, kLargestReadingSteps));
}

QString MHz(double hz) { return QString::number(hz / kHzPerMHz, 'g', 6); }

}  // namespace

bool CorrectRawReadings(const Calibration& calibration, double hz, float& returnLossRaw,
                        float& phaseRaw) {
    const std::optional<CorrectedReading> corrected =
        calibration.correct(hz, {ReturnLossDb(returnLossRaw), PhaseDegrees(phaseRaw)});
    if (!corrected) return false;
    returnLossRaw = Steps((corrected->returnLossDb + kReturnLossZeroDb) / kDbPerReturnLossStep);
    phaseRaw = Steps(corrected->phaseDegrees / kDegreesPerPhaseStep);
    return true;
}

std::optional<FrequencySpan> MeasuredSpan(const SweepData& data, std::int32_t step) {
    std::optional<FrequencySpan> span;
    for (const std::int32_t i : SweptIndices(data, step)) {
        const double hz = WordFrequencyHz(data.DdsWords[static_cast<std::size_t>(i)]);
        if (!span) span = FrequencySpan{hz, hz};
        span->lowHz = std::min(span->lowHz, hz);
        span->highHz = std::max(span->highHz, hz);
    }
    return span;
}

SweepCorrectionOutcome CorrectSweep(const Calibration& calibration, SweepData& data,
                                    std::int32_t step) {
    const std::optional<FrequencySpan> span = MeasuredSpan(data, step);
    if (!span) return {false, QStringLiteral("the sweep holds no measured point to correct")};
    if (!calibration.covers(span->lowHz, span->highHz)) {
        return {false, CalibrationOutsideNotice(calibration, span->lowHz, span->highHz)};
    }
    for (const std::int32_t i : SweptIndices(data, step)) {
        const auto at = static_cast<std::size_t>(i);
        CorrectRawReadings(calibration, WordFrequencyHz(data.DdsWords[at]),
                           data.ReturnLossSamples[at], data.PhaseSamples[at]);
    }
    return {true, {}};
}

QString CalibrationInForceNotice(const Calibration& calibration, const QString& name) {
    return QStringLiteral("Calibration %1 in force (%2 to %3 MHz, %4 points)")
        .arg(name, MHz(calibration.lowHz()), MHz(calibration.highHz()))
        .arg(static_cast<qint64>(calibration.points().size()));
}

QString CalibrationOutsideNotice(const Calibration& calibration, double lowHz, double highHz) {
    return QStringLiteral(
               "The sweep (%1 to %2 MHz) reaches outside the calibration's %3 to %4 "
               "MHz: the readings are NOT corrected. Sweep within the range or "
               "calibrate this range.")
        .arg(MHz(lowHz), MHz(highHz), MHz(calibration.lowHz()), MHz(calibration.highHz()));
}

}  // namespace ravemo
