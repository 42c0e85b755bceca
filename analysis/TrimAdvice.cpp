#include "analysis/TrimAdvice.h"

#include <cmath>

namespace ravemo {
namespace {
constexpr double kPercent = 100.0;
}

std::optional<TrimAdvice> AdviseTrim(const std::vector<Resonance>& resonances, double targetHz) {
    const Resonance* nearest = nullptr;
    for (const Resonance& r : resonances) {
        if (r.kind != ResonanceKind::Series) continue;
        if (!nearest || std::fabs(r.hz - targetHz) < std::fabs(nearest->hz - targetHz)) {
            nearest = &r;
        }
    }
    if (!nearest) return std::nullopt;
    return TrimAdvice{targetHz, nearest->hz, (nearest->hz / targetHz - 1.0) * kPercent};
}

}  // namespace ravemo
