#pragma once

#include <optional>
#include <vector>

namespace ravemo {

// The SWR scales of the tuning chart. Every one has SWR 1.0 at the bottom: the linear ones end
// at 1.5, 2, 3, 5 or 10; the logarithmic one spans 1 to 100; the automatic one is the smallest
// linear one that shows the lowest visible SWR with room around it.
enum class SwrScaleChoice { UpTo1_5, UpTo2, UpTo3, UpTo5, UpTo10, Automatic, Logarithmic };

inline constexpr double kSwrScaleBottom = 1.0;
inline constexpr double kLogSwrScaleTop = 100.0;
// The automatic scale holds at least this multiple of the lowest visible SWR, so the dip's
// sides show above its bottom.
inline constexpr double kAutomaticSwrMargin = 1.5;

// A resolved scale: where an SWR sits between the bottom (0) and the top (1) of the chart.
struct SwrScale {
    double top = 10.0;
    bool logarithmic = false;

    // 0 at SWR 1, 1 at the top; SWRs above the top (and infinity) give 1, below 1 give 0.
    double fractionOf(double swr) const;
    // The inverse of fractionOf for a fraction in [0, 1].
    double swrAtFraction(double fraction) const;
};

// The scale a choice stands for; the automatic choice needs the lowest SWR in view (none: the
// top choice, 10).
SwrScale ResolveSwrScale(SwrScaleChoice choice, std::optional<double> lowestVisibleSwr);

// The ticks of a scale: 1, 2, 5 per decade on the logarithmic one; on a linear one SWR 1 and
// the multiples of a 1-2-5 step for at most `intervals` intervals. The step is given for the
// label decimals (0 on the logarithmic scale).
struct SwrTicks {
    double step = 0.0;
    std::vector<double> values;
};
SwrTicks SwrScaleTicks(const SwrScale& scale, int intervals);

}  // namespace ravemo
