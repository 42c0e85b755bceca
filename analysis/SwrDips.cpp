#include "analysis/SwrDips.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "analysis/LowestSwr.h"
#include "analysis/RobustNoise.h"
#include "instrument/ConverterScale.h"
#include "sweep/MeasurementRules.h"

namespace ravemo {
namespace {

// The edge where the SWR rises to `level` walking from `bottom` towards `end` (the first or
// the last index); absent when it stays below the level up to the end.
std::optional<double> EdgeHz(const std::vector<AntennaSample>& samples, std::size_t bottom,
                             std::size_t end, double level) {
    std::size_t inside = bottom;
    while (inside != end) {
        const std::size_t outside = end < bottom ? inside - 1 : inside + 1;
        const AntennaSample& in = samples[inside];
        const AntennaSample& out = samples[outside];
        if (out.swr >= level) {
            // From the inside sample; an infinite SWR outside puts the edge at the inside one.
            return in.hz + (out.hz - in.hz) * (level - in.swr) / (out.swr - in.swr);
        }
        inside = outside;
    }
    return std::nullopt;
}

std::optional<SwrEdges> EdgesAt(const std::vector<AntennaSample>& samples, std::size_t bottom,
                                double level) {
    if (!(samples[bottom].swr < level)) return std::nullopt;
    return SwrEdges{EdgeHz(samples, bottom, 0, level),
                    EdgeHz(samples, bottom, samples.size() - 1, level)};
}

double ReturnLossOfSwr(double swr) {
    return -kDbPerRatioDecade * std::log10((swr - 1.0) / (swr + 1.0));
}

double SwrOfReturnLoss(double db) {
    const double gamma = std::pow(10.0, -db / kDbPerRatioDecade);
    return (1.0 + gamma) / (1.0 - gamma);
}

// The SWR one return-loss step better than 2:1. A bottom above it reads 2:1 within the
// converter's rounding, and its "2:1 band" is no more than that rounding.
double SwrOneStepUnderTwoToOne() {
    return SwrOfReturnLoss(ReturnLossOfSwr(kSwrTwoToOne) + kDbPerReturnLossStep);
}

void GiveQ(SwrDip& dip) {
    const std::optional<double> bandwidth = dip.swr2 ? dip.swr2->bandwidthHz() : std::nullopt;
    if (!dip.swr2) {
        dip.qProblem = QProblem::NotReached;
    } else if (!(dip.bottom.swr <= SwrOneStepUnderTwoToOne())) {
        dip.qProblem = QProblem::BottomNearTwoToOne;
    } else if (!bandwidth || !(*bandwidth > 0.0)) {
        dip.qProblem = QProblem::EdgeOutside;
    } else {
        dip.q = dip.bottom.hz / *bandwidth * (kSwrTwoToOne - 1.0) / std::sqrt(kSwrTwoToOne);
    }
}

// The run of samples with the SWR of `bottom` around it touches the first or the last sample.
std::optional<SweepEdge> EdgeOfRun(const std::vector<AntennaSample>& samples, std::size_t bottom) {
    const double swr = samples[bottom].swr;
    std::size_t first = bottom;
    std::size_t last = bottom;
    while (first > 0 && samples[first - 1].swr == swr) --first;
    while (last + 1 < samples.size() && samples[last + 1].swr == swr) ++last;
    if (first == 0) return SweepEdge::Lower;
    if (last + 1 == samples.size()) return SweepEdge::Upper;
    return std::nullopt;
}

// How many standard deviations of the return-loss noise count as "within the noise".
constexpr double kNoiseDeviations = 3.0;
// The noise is told from the curve's own shape only over this many samples; a coarse sweep's
// second differences are its curvature.
constexpr std::size_t kFewestSamplesForNoise = 100;
// A converter's noise is a few steps of 0.0586 dB: a wider band is the curve, not noise.
constexpr double kWidestNoiseBandDb = 1.0;

// The SWRs that are the limit within the sweep's noise: a stretch ends only above `endAbove`,
// and is a dip only when its bottom reaches `deepestNoise` or lower. Without noise both are the
// limit itself.
struct NoiseBand {
    double endAbove;
    double deepestNoise;
};

NoiseBand NoiseBandAround(const std::vector<AntennaSample>& samples, double swrLimit) {
    std::vector<double> returnLoss(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) returnLoss[i] = samples[i].returnLossDb;
    const double band =
        samples.size() < kFewestSamplesForNoise
            ? 0.0
            : std::min(kNoiseDeviations * NoiseSigma(returnLoss), kWidestNoiseBandDb);
    if (!(band > 0.0)) return {swrLimit, swrLimit};
    const double limitDb = ReturnLossOfSwr(swrLimit);
    return {SwrOfReturnLoss(std::max(limitDb - band, 0.0)), SwrOfReturnLoss(limitDb + band)};
}

}  // namespace

SwrLows FindSwrLows(const std::vector<AntennaSample>& samples, double swrLimit) {
    SwrLows lows;
    if (!(swrLimit > 1.0)) return lows;
    const NoiseBand noise = NoiseBandAround(samples, swrLimit);
    for (std::size_t first = 0; first < samples.size();) {
        if (!(samples[first].swr < swrLimit)) {
            ++first;
            continue;
        }
        // Readings within the noise of the limit do not end a stretch: noise alone moves them
        // across it, and a flank would break into many "dips".
        std::size_t last = first;
        while (last + 1 < samples.size() && samples[last + 1].swr < noise.endAbove) ++last;
        const std::size_t bottom = LowestSwrIndex(samples, first, last);
        first = last + 1;
        if (!(samples[bottom].swr <= noise.deepestNoise)) continue;  // no deeper than the noise
        if (const std::optional<SweepEdge> edge = EdgeOfRun(samples, bottom)) {
            lows.atEdges.push_back({*edge, samples[bottom]});
            continue;
        }
        SwrDip dip{samples[bottom], EdgesAt(samples, bottom, kSwrTwoToOne),
                   EdgesAt(samples, bottom, kSwrOneAndHalf), std::nullopt, QProblem::None};
        GiveQ(dip);
        lows.dips.push_back(dip);
    }
    std::stable_sort(lows.dips.begin(), lows.dips.end(),
                     [](const SwrDip& a, const SwrDip& b) { return a.bottom.swr < b.bottom.swr; });
    return lows;
}

std::vector<SwrDip> FindSwrDips(const std::vector<AntennaSample>& samples, double swrLimit,
                                int maxDips) {
    std::vector<SwrDip> dips = FindSwrLows(samples, swrLimit).dips;
    dips.resize(std::min(dips.size(), static_cast<std::size_t>(std::max(maxDips, 0))));
    return dips;
}

std::optional<SwrAtEdge> LowestSwrAtEdge(const std::vector<AntennaSample>& samples) {
    if (samples.empty()) return std::nullopt;
    const std::size_t lowest = LowestSwrIndex(samples, 0, samples.size() - 1);
    const std::optional<SweepEdge> edge = EdgeOfRun(samples, lowest);
    if (!edge) return std::nullopt;
    return SwrAtEdge{*edge, samples[lowest]};
}

}  // namespace ravemo
