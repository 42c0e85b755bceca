#include "analysis/ReflectionSamples.h"

#include <cmath>
#include <limits>

#include "analysis/MeasuredZeros.h"
#include "analysis/ReactanceSigns.h"
#include "analysis/ReactanceZeros.h"
#include "instrument/LoadModel.h"
#include "sweep/MeasurementRules.h"

namespace ravemo {

void SetReflectionMagnitude(AntennaSample& sample, double magnitude) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    sample.swr = magnitude < 1.0 ? (1.0 + magnitude) / (1.0 - magnitude) : kInfinity;
    sample.returnLossDb = magnitude > 0.0 ? -kDbPerRatioDecade * std::log10(magnitude) : kInfinity;
}

AntennaSamples SamplesFromReflections(const std::vector<TouchstoneModel::Point>& points,
                                      double referenceOhms, bool signsEstimated) {
    AntennaSamples set;
    set.sign = signsEstimated ? ReactanceSign::Estimated : ReactanceSign::Measured;
    for (const TouchstoneModel::Point& point : points) {
        // An estimated sign is no measurement: only |phase| counts.
        const std::complex<double> gamma =
            signsEstimated ? std::complex<double>(point.gamma.real(), std::fabs(point.gamma.imag()))
                           : point.gamma;
        const std::complex<double> z = ImpedanceOf(gamma, referenceOhms);
        if (!std::isfinite(z.real()) || !std::isfinite(z.imag())) continue;
        AntennaSample sample{point.hz, 0.0, 0.0, z.real(), z.imag(), std::abs(z), gamma, set.sign};
        SetReflectionMagnitude(sample, std::abs(gamma));
        set.samples.push_back(sample);
    }
    if (signsEstimated) {
        const ReactanceEvidence evidence = EstimateReactanceZeros(set.samples);
        set.resonances = evidence.zeros;
        AssignEstimatedSigns(set.samples, evidence);
        return set;
    }
    set.resonances = FindMeasuredZeros(set.samples);
    return set;
}

}  // namespace ravemo
