#include "analysis/SweepSamples.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "analysis/ReactanceSigns.h"
#include "analysis/ReactanceZeros.h"
#include "sweep/MeasurementRules.h"
#include "sweep/SweptPoints.h"

namespace ravemo {
namespace {

bool Finite(const AntennaSample& s) {
    return std::isfinite(s.rs) && std::isfinite(s.xs) && std::isfinite(s.z) && !std::isnan(s.swr);
}

}  // namespace

AntennaSamples SamplesFromSweep(const SweepData& data, std::int32_t step) {
    AntennaSamples set;
    set.sign = ReactanceSign::Estimated;
    const std::vector<std::int32_t> indices = SweptIndices(data, step);
    set.samples.reserve(indices.size());
    // Neighbouring points of a dense sweep often read the same pair (the converters' steps are
    // coarse beside it): each run of one pair is converted once.
    std::optional<std::pair<float, float>> lastReadings;
    SampleValues v{};
    for (const std::int32_t i : indices) {
        const auto at = static_cast<std::size_t>(i);
        const float returnLoss = data.ReturnLossSamples[at];
        const float phase = data.PhaseSamples[at];
        if (!std::isfinite(returnLoss) || !std::isfinite(phase)) continue;
        if (lastReadings != std::pair{returnLoss, phase}) {
            v = ConvertSample(returnLoss, phase);
            lastReadings = std::pair{returnLoss, phase};
        }
        if (!(v.rho > 0.0F)) continue;
        // The rules work with rho = 1 / |G| over the chart's range and give the same values for
        // rho and 1 / rho; the reflection itself is the one at most 1 in magnitude.
        const double rho = v.rho;
        const double magnitude = rho >= 1.0 ? 1.0 / rho : rho;
        const AntennaSample sample{WordFrequencyHz(data.DdsWords[at]),
                                   v.swr,
                                   std::fabs(ReturnLossDb(returnLoss)),
                                   v.rs,
                                   v.xs,
                                   v.z,
                                   std::complex<double>(v.gammaRe, v.gammaIm) * (magnitude / rho)};
        if (Finite(sample)) set.samples.push_back(sample);
    }
    auto& samples = set.samples;
    const auto byFrequency = [](const AntennaSample& a, const AntennaSample& b) {
        return a.hz < b.hz;
    };
    // Most sweeps run upwards: sorting them would only cost a copy of every sample.
    if (!std::is_sorted(samples.begin(), samples.end(), byFrequency)) {
        std::stable_sort(samples.begin(), samples.end(), byFrequency);
    }
    samples.erase(
        std::unique(samples.begin(), samples.end(),
                    [](const AntennaSample& a, const AntennaSample& b) { return a.hz == b.hz; }),
        samples.end());
    const ReactanceEvidence evidence = EstimateReactanceZeros(samples);
    set.resonances = evidence.zeros;
    AssignEstimatedSigns(samples, evidence);
    return set;
}

}  // namespace ravemo
