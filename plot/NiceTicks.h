#pragma once

#include <vector>

namespace ravemo {

// Ticks of a linear axis: every whole multiple of `step` inside [low, high].
struct LinearTicks {
    double step = 0.0;
    std::vector<double> values;
};

// How many intervals an axis `lengthPoints` long holds with about `spacingPoints` between ticks:
// at least 1.
int TargetIntervalCount(double lengthPoints, double spacingPoints);

// The smallest step of 1, 2 or 5 times a power of ten that is at least `rawStep` (> 0); 0 for a
// step that is not a positive finite number.
double NiceStepAtLeast(double rawStep);

// The 1-2-5 rule: the smallest nice step that cuts [low, high] into at most `intervals` pieces,
// and its multiples inside the range. No ticks for an empty or non-finite range.
LinearTicks NiceLinearTicks(double low, double high, int intervals);

// Ticks of a logarithmic axis: 1, 2 and 5 times each power of ten inside [low, high], low > 0.
std::vector<double> DecadeTicks(double low, double high);

// How many decimals show a multiple of a 1-2-5 `step` exactly: 0 for 1 and above, 1 for 0.5,
// 0.2 and 0.1, 2 for 0.05 ..., at most 6.
int DecimalsForStep(double step);

}  // namespace ravemo
