#include "correction/Calibration.h"

#include <algorithm>
#include <cmath>

#include "common/Units.h"

namespace ravemo {
namespace {

constexpr double kRangeTolerance = 1e-6;

QString MHzText(double hz) { return QString::number(hz / kHzPerMHz, 'g', 9); }

bool Finite(const StandardReading& r) {
    return std::isfinite(r.returnLossDb) && std::isfinite(r.phaseDegrees);
}

double TrackingErrorDb(const CalibrationPoint& p) {
    return (p.shortCircuit.returnLossDb + p.openCircuit.returnLossDb) / 2.0;
}

// Why a point cannot serve as standards, or an empty text.
QString ProblemOf(const CalibrationPoint& p) {
    if (!std::isfinite(p.hz) || p.hz <= 0.0) {
        return QStringLiteral("a frequency of %1 Hz is not above 0").arg(p.hz);
    }
    if (!Finite(p.shortCircuit) || !Finite(p.openCircuit) || !Finite(p.load)) {
        return QStringLiteral("a reading at %1 MHz is not a number").arg(MHzText(p.hz));
    }
    const double span = p.shortCircuit.phaseDegrees - p.openCircuit.phaseDegrees;
    if (span < Calibration::kLeastPhaseSpanDegrees) {
        return QStringLiteral(
                   "at %1 MHz the short reads %2 degrees and the open %3: the short must read "
                   "at least %4 degrees more than the open (were the standards swapped or "
                   "not connected?)")
            .arg(MHzText(p.hz))
            .arg(p.shortCircuit.phaseDegrees, 0, 'f', 1)
            .arg(p.openCircuit.phaseDegrees, 0, 'f', 1)
            .arg(Calibration::kLeastPhaseSpanDegrees, 0, 'f', 0);
    }
    const double floorDb = p.load.returnLossDb - TrackingErrorDb(p);
    if (floorDb > -Calibration::kLeastLoadReturnLossDb) {
        return QStringLiteral(
                   "at %1 MHz the load reads only %2 dB return loss against the open and the "
                   "short: a 50 ohm load reads at least %3 dB (is it the load?)")
            .arg(MHzText(p.hz))
            .arg(-floorDb, 0, 'f', 1)
            .arg(Calibration::kLeastLoadReturnLossDb, 0, 'f', 0);
    }
    return {};
}

StandardReading Blend(StandardReading a, StandardReading b, double t) {
    return {a.returnLossDb + (b.returnLossDb - a.returnLossDb) * t,
            a.phaseDegrees + (b.phaseDegrees - a.phaseDegrees) * t};
}

}  // namespace

Calibration::Made Calibration::make(std::vector<CalibrationPoint> points) {
    if (points.size() < 2) {
        return {std::nullopt, QStringLiteral("a calibration needs at least 2 points, not %1")
                                  .arg(static_cast<qint64>(points.size()))};
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (const QString problem = ProblemOf(points[i]); !problem.isEmpty()) {
            return {std::nullopt, problem};
        }
        if (i > 0 && points[i].hz <= points[i - 1].hz) {
            return {std::nullopt,
                    QStringLiteral("the frequencies must rise from point to point: %1 MHz "
                                   "follows %2 MHz")
                        .arg(MHzText(points[i].hz), MHzText(points[i - 1].hz))};
        }
    }
    return {Calibration(std::move(points)), {}};
}

bool Calibration::covers(double low, double high) const {
    const double slack = highHz() * kRangeTolerance;
    return low >= lowHz() - slack && high <= highHz() + slack && low <= high;
}

std::optional<CalibrationPoint> Calibration::at(double hz) const {
    if (!std::isfinite(hz) || !covers(hz, hz)) return std::nullopt;
    const auto above =
        std::lower_bound(points_.begin(), points_.end(), hz,
                         [](const CalibrationPoint& p, double f) { return p.hz < f; });
    if (above == points_.begin()) return points_.front();
    if (above == points_.end()) return points_.back();
    const CalibrationPoint& a = *(above - 1);
    const CalibrationPoint& b = *above;
    const double t = (hz - a.hz) / (b.hz - a.hz);
    return CalibrationPoint{hz, Blend(a.shortCircuit, b.shortCircuit, t),
                            Blend(a.openCircuit, b.openCircuit, t), Blend(a.load, b.load, t)};
}

std::optional<CorrectedReading> Calibration::correct(double hz, StandardReading reading) const {
    const std::optional<CalibrationPoint> standards = at(hz);
    if (!standards) return std::nullopt;
    return CorrectReading(*standards, reading);
}

CorrectedReading CorrectReading(const CalibrationPoint& standards, StandardReading reading) {
    const double tracking = TrackingErrorDb(standards);
    const double floorDb = standards.load.returnLossDb - tracking;
    double returnLoss = reading.returnLossDb - tracking;
    const bool atFloor = returnLoss <= floorDb;
    if (atFloor) returnLoss = floorDb;
    const double open = standards.openCircuit.phaseDegrees;
    const double span = standards.shortCircuit.phaseDegrees - open;
    const double phase = std::clamp((reading.phaseDegrees - open) * kDegreesPerHalfTurn / span, 0.0,
                                    kDegreesPerHalfTurn);
    return {returnLoss, phase, atFloor};
}

}  // namespace ravemo
