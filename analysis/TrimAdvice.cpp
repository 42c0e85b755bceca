#include "analysis/TrimAdvice.h"

#include <cmath>

#include "common/Units.h"

namespace ravemo {

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
