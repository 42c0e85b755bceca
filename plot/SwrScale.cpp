#include "plot/SwrScale.h"

#include <algorithm>
#include <cmath>

#include "plot/NiceTicks.h"

namespace ravemo {
namespace {

constexpr double kLinearTops[] = {1.5, 2.0, 3.0, 5.0, 10.0};

}  // namespace

double SwrScale::fractionOf(double swr) const {
    if (std::isnan(swr) || swr <= kSwrScaleBottom) return 0.0;
    if (swr >= top) return 1.0;
    if (logarithmic) return std::log(swr) / std::log(top);
    return (swr - kSwrScaleBottom) / (top - kSwrScaleBottom);
}

double SwrScale::swrAtFraction(double fraction) const {
    const double f = std::clamp(fraction, 0.0, 1.0);
    if (logarithmic) return std::pow(top, f);
    return kSwrScaleBottom + f * (top - kSwrScaleBottom);
}

SwrScale ResolveSwrScale(SwrScaleChoice choice, std::optional<double> lowestVisibleSwr) {
    switch (choice) {
        case SwrScaleChoice::UpTo1_5:
            return {kLinearTops[0], false};
        case SwrScaleChoice::UpTo2:
            return {kLinearTops[1], false};
        case SwrScaleChoice::UpTo3:
            return {kLinearTops[2], false};
        case SwrScaleChoice::UpTo5:
            return {kLinearTops[3], false};
        case SwrScaleChoice::UpTo10:
            return {kLinearTops[4], false};
        case SwrScaleChoice::Logarithmic:
            return {kLogSwrScaleTop, true};
        case SwrScaleChoice::Automatic:
            break;
    }
    if (lowestVisibleSwr && !std::isnan(*lowestVisibleSwr)) {
        const double wanted = *lowestVisibleSwr * kAutomaticSwrMargin;
        for (const double top : kLinearTops) {
            if (top >= wanted) return {top, false};
        }
    }
    return {kLinearTops[std::size(kLinearTops) - 1], false};
}

SwrTicks SwrScaleTicks(const SwrScale& scale, int intervals) {
    if (scale.logarithmic) return {0.0, DecadeTicks(kSwrScaleBottom, scale.top)};
    const LinearTicks ticks = NiceLinearTicks(kSwrScaleBottom, scale.top, intervals);
    SwrTicks result{ticks.step, ticks.values};
    // SWR 1 is the bottom of every scale and always labelled, even between two multiples.
    if (result.values.empty() || result.values.front() > kSwrScaleBottom + ticks.step * 1e-6) {
        result.values.insert(result.values.begin(), kSwrScaleBottom);
    }
    return result;
}

}  // namespace ravemo
