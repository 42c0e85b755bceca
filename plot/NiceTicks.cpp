#include "plot/NiceTicks.h"

#include <algorithm>
#include <cmath>

namespace ravemo {
namespace {

// Tolerance for steps and tick positions that are decimal fractions, not exact in binary.
constexpr double kRelativeSlack = 1e-9;
constexpr int kMostTicks = 10'000;
constexpr double kNiceMantissas[] = {1.0, 2.0, 5.0, 10.0};
constexpr double kDecadeMantissas[] = {1.0, 2.0, 5.0};
// No scale of the program means anything finer: a hertz in MHz, a millionth of an ohm, of a
// degree or of an SWR. A narrower range (a file's frequencies in the wrong unit) would otherwise
// be labelled with dozens of decimals.
constexpr int kMostDecimals = 6;

}  // namespace

int TargetIntervalCount(double lengthPoints, double spacingPoints) {
    if (!(spacingPoints > 0.0) || !std::isfinite(lengthPoints)) return 1;
    return std::max(1, static_cast<int>(std::floor(lengthPoints / spacingPoints)));
}

double NiceStepAtLeast(double rawStep) {
    if (!(rawStep > 0.0) || !std::isfinite(rawStep)) return 0.0;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rawStep)));
    for (const double mantissa : kNiceMantissas) {
        const double step = mantissa * magnitude;
        if (step >= rawStep * (1.0 - kRelativeSlack)) return step;
    }
    return 10.0 * magnitude;
}

LinearTicks NiceLinearTicks(double low, double high, int intervals) {
    LinearTicks ticks;
    if (!std::isfinite(low) || !std::isfinite(high) || !(high > low)) return ticks;
    ticks.step = NiceStepAtLeast((high - low) / std::max(1, intervals));
    if (ticks.step == 0.0) return ticks;
    const double first = std::ceil(low / ticks.step - kRelativeSlack);
    const double last = std::floor(high / ticks.step + kRelativeSlack);
    for (double k = first; k <= last && ticks.values.size() < kMostTicks; k += 1.0) {
        ticks.values.push_back(k * ticks.step);
    }
    return ticks;
}

std::vector<double> DecadeTicks(double low, double high) {
    std::vector<double> ticks;
    if (!(low > 0.0) || !std::isfinite(high) || !(high >= low)) return ticks;
    for (double decade = std::pow(10.0, std::floor(std::log10(low)));
         decade <= high && ticks.size() < kMostTicks; decade *= 10.0) {
        for (const double mantissa : kDecadeMantissas) {
            const double value = mantissa * decade;
            if (value >= low * (1.0 - kRelativeSlack) && value <= high * (1.0 + kRelativeSlack)) {
                ticks.push_back(value);
            }
        }
    }
    return ticks;
}

int DecimalsForStep(double step) {
    if (!(step > 0.0) || !std::isfinite(step)) return 0;
    return std::clamp(static_cast<int>(std::ceil(-std::log10(step) - kRelativeSlack)), 0,
                      kMostDecimals);
}

}  // namespace ravemo
