#pragma once

namespace ravemo {

// A linear value range for an axis: low < high.
struct ValueRange {
    double low = 0.0;
    double high = 1.0;
};

// A range with round ends (multiples of a 1-2-5 step for about `intervals` intervals) that
// holds [low, high], zero and at least `smallestSpan` (> 0): widened away from zero for values
// on one side of it, about their middle for values on both sides. Non-finite ends count as 0.
ValueRange RoundRangeWithZero(double low, double high, double smallestSpan, int intervals);

// A range with round ends that holds [low, high] (finite, low <= high) and at least
// `smallestSpan` (> 0) about its middle, not reaching below `floor`.
ValueRange RoundRangeAround(double low, double high, double smallestSpan, double floor,
                            int intervals);

}  // namespace ravemo
