#include "analysis/RobustNoise.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace ravemo {
namespace {

// The median absolute second difference of white noise is 0.6745 sqrt(6) times its standard
// deviation.
constexpr double kMedianToSigma = 1.0 / (0.6745 * 2.449489742783178);

}  // namespace

double NoiseSigma(const std::vector<double>& values) {
    std::vector<double> second;
    second.reserve(values.size());
    for (std::size_t i = 1; i + 1 < values.size(); ++i) {
        const double d = values[i - 1] - 2.0 * values[i] + values[i + 1];
        if (std::isfinite(d)) second.push_back(std::fabs(d));
    }
    if (second.empty()) return 0.0;
    const auto middle = second.begin() + static_cast<std::ptrdiff_t>(second.size() / 2);
    std::nth_element(second.begin(), middle, second.end());
    return *middle * kMedianToSigma;
}

}  // namespace ravemo
