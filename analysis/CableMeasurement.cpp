#include "analysis/CableMeasurement.h"

#include <cmath>

namespace ravemo {
namespace {

std::optional<std::size_t> PeakNearest(const DistanceResponse& response, double lengthM) {
    std::optional<std::size_t> nearest;
    for (std::size_t i = 0; i < response.peaks.size(); ++i) {
        const double miss = std::fabs(response.peaks[i].distanceM - lengthM);
        if (miss > response.resolutionM) continue;
        if (!nearest || miss < std::fabs(response.peaks[*nearest].distanceM - lengthM)) {
            nearest = i;
        }
    }
    return nearest;
}

}  // namespace

CableMeasurement MeasureCable(const std::vector<AntennaSample>& samples,
                              const CableQuestion& question) {
    CableMeasurement m;
    m.end = question.end;
    m.losses = CableLossPerBand(samples, question.region);
    m.lossFit = FitCableLoss(samples);
    m.resonances = FindLineResonances(samples);
    m.velocityFactor = question.velocityFactor;
    m.lengthM = question.lengthM;
    if (!m.resonances.quarterWaveHz) {
        m.problem = CableLengthProblem::FewerThanTwoResonances;
    } else if (question.lengthM) {
        const double factor =
            VelocityFactorAtQuarterWave(*question.lengthM, *m.resonances.quarterWaveHz);
        if (IsVelocityFactor(factor)) {
            m.velocityFactor = factor;
        } else {
            m.problem = CableLengthProblem::VelocityFactorOutOfRange;
        }
    } else if (question.velocityFactor) {
        m.lengthM = LengthAtQuarterWave(*question.velocityFactor, *m.resonances.quarterWaveHz);
    }
    if (m.lossFit && m.lengthM && *m.lengthM > 0.0 && !samples.empty()) {
        m.lossPer100m =
            LossPerHundredMetres(*m.lossFit, *m.lengthM, samples.front().hz, samples.back().hz);
    }
    if (m.velocityFactor) {
        m.distance = DistanceToFault(samples, *m.velocityFactor);
        if (m.lengthM) m.endPeak = PeakNearest(*m.distance, *m.lengthM);
    }
    return m;
}

}  // namespace ravemo
