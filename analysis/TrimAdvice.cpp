#include "analysis/TrimAdvice.h"

#include <cmath>

#include "common/Units.h"

namespace ravemo {
namespace {

struct Candidate {
    TrimBasis basis;
    const AntennaSample* sample;
};

const AmateurBand* BandOf(const std::vector<AmateurBand>& bands, double hz) {
    for (const AmateurBand& b : bands) {
        if (hz >= b.lowHz && hz <= b.highHz) return &b;
    }
    return nullptr;
}

}  // namespace

bool IsTrimTargetHz(double hz) { return hz >= kLowestTrimTargetHz && hz <= kHighestTrimTargetHz; }

TrimAdvice AdviseTrim(const SwrLows& lows, double targetHz, const std::vector<AmateurBand>& bands) {
    std::vector<Candidate> candidates;
    for (const SwrDip& dip : lows.dips) candidates.push_back({TrimBasis::Dip, &dip.bottom});
    for (const SwrAtEdge& e : lows.atEdges) {
        candidates.push_back(
            {e.edge == SweepEdge::Lower ? TrimBasis::LowerEdge : TrimBasis::UpperEdge, &e.sample});
    }
    const AmateurBand* targetBand = BandOf(bands, targetHz);
    const auto inTargetBand = [&](const Candidate& c) {
        return targetBand != nullptr && BandOf(bands, c.sample->hz) == targetBand;
    };
    const Candidate* best = nullptr;
    for (const Candidate& c : candidates) {
        if (best != nullptr) {
            const bool inBand = inTargetBand(c);
            const bool bestInBand = inTargetBand(*best);
            if (inBand != bestInBand) {
                if (!inBand) continue;
            } else if (!(std::fabs(c.sample->hz - targetHz) <
                         std::fabs(best->sample->hz - targetHz))) {
                continue;
            }
        }
        best = &c;
    }
    TrimAdvice advice;
    advice.targetHz = targetHz;
    if (best == nullptr) return advice;
    advice.basis = best->basis;
    advice.dipHz = best->sample->hz;
    advice.dipSwr = best->sample->swr;
    if (best->basis == TrimBasis::Dip) {
        advice.lengthChangePercent = (advice.dipHz / targetHz - 1.0) * kPercent;
    }
    return advice;
}

}  // namespace ravemo
