#include "plot/ValueRange.h"

#include <algorithm>
#include <cmath>

#include "plot/NiceTicks.h"

namespace ravemo {
namespace {

ValueRange Rounded(double low, double high, int intervals) {
    const double step = NiceStepAtLeast((high - low) / std::max(1, intervals));
    if (step == 0.0) return {low, high};
    return {std::floor(low / step) * step, std::ceil(high / step) * step};
}

}  // namespace

ValueRange RoundRangeWithZero(double low, double high, double smallestSpan, int intervals) {
    double lo = std::isfinite(low) ? std::min(low, 0.0) : 0.0;
    double hi = std::isfinite(high) ? std::max(high, 0.0) : 0.0;
    if (hi - lo < smallestSpan) {
        // Widen away from zero for values on one side of it, about the middle for both sides.
        if (lo == 0.0) {
            hi = smallestSpan;
        } else if (hi == 0.0) {
            lo = -smallestSpan;
        } else {
            const double middle = (lo + hi) / 2.0;
            lo = middle - smallestSpan / 2.0;
            hi = middle + smallestSpan / 2.0;
        }
    }
    return Rounded(lo, hi, intervals);
}

ValueRange RoundRangeAround(double low, double high, double smallestSpan, double floor,
                            int intervals) {
    double lo = low;
    double hi = high;
    if (hi - lo < smallestSpan) {
        const double middle = (lo + hi) / 2.0;
        lo = middle - smallestSpan / 2.0;
        hi = middle + smallestSpan / 2.0;
    }
    if (lo < floor) {
        hi += floor - lo;
        lo = floor;
    }
    const ValueRange rounded = Rounded(lo, hi, intervals);
    return {std::max(rounded.low, floor), rounded.high};
}

}  // namespace ravemo
