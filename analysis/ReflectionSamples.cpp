#include "analysis/ReflectionSamples.h"

#include <cmath>
#include <limits>

#include "analysis/MeasuredZeros.h"
#include "instrument/LoadModel.h"
#include "sweep/MeasurementRules.h"

namespace ravemo {

AntennaSamples SamplesFromReflections(const std::vector<TouchstoneModel::Point>& points,
                                      double referenceOhms) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    AntennaSamples set;
    set.sign = ReactanceSign::Measured;
    for (const TouchstoneModel::Point& point : points) {
        const std::complex<double> z = ImpedanceOf(point.gamma, referenceOhms);
        if (!std::isfinite(z.real()) || !std::isfinite(z.imag())) continue;
        const double magnitude = std::abs(point.gamma);
        const double swr = magnitude < 1.0 ? (1.0 + magnitude) / (1.0 - magnitude) : kInfinity;
        const double returnLoss =
            magnitude > 0.0 ? -kDbPerRatioDecade * std::log10(magnitude) : kInfinity;
        set.samples.push_back({point.hz, swr, returnLoss, z.real(), z.imag(), std::abs(z),
                               point.gamma, ReactanceSign::Measured});
    }
    set.resonances = FindMeasuredZeros(set.samples);
    return set;
}

}  // namespace ravemo
