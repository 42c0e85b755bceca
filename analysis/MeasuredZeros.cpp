#include "analysis/MeasuredZeros.h"

#include <cmath>
#include <cstddef>

namespace ravemo {
namespace {

// Below this share of |Z| the sign of a measured reactance is taken as noise.
constexpr double kSignificantReactanceShare = 0.05;

int SignificantSign(const AntennaSample& s) {
    if (!(std::fabs(s.xs) >= kSignificantReactanceShare * s.z)) return 0;
    return s.xs > 0.0 ? 1 : -1;
}

// The zero between `before` and `after`, samples of opposite sign (or a zero at `before`).
Resonance ZeroBetween(const AntennaSample& before, const AntennaSample& after, int newSign) {
    const double t = before.xs == 0.0 ? 0.0 : before.xs / (before.xs - after.xs);
    return {before.hz + (after.hz - before.hz) * t, before.rs + (after.rs - before.rs) * t,
            newSign > 0 ? ResonanceKind::Series : ResonanceKind::Parallel};
}

}  // namespace

std::vector<Resonance> FindMeasuredZeros(const std::vector<AntennaSample>& samples) {
    std::vector<Resonance> zeros;
    int settledSign = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const int sign = SignificantSign(samples[i]);
        if (sign == 0) continue;
        if (settledSign != 0 && sign != settledSign) {
            // The last change of sign before this sample, through small values or not.
            std::size_t k = i - 1;
            while (samples[k].xs * sign > 0.0) --k;
            zeros.push_back(ZeroBetween(samples[k], samples[k + 1], sign));
        }
        settledSign = sign;
    }
    return zeros;
}

}  // namespace ravemo
