#include "analysis/ReactanceSigns.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace ravemo {
namespace {

// What bounds a stretch of samples: a zero of a kind, an unclear stretch or an end of the sweep.
struct Boundary {
    double lowHz;   // samples below it lie before it
    double highHz;  // samples at or above it lie beyond it (inside for an unclear stretch)
    bool isZero;
    ResonanceKind kind;
};

int SignAfter(ResonanceKind kind) { return kind == ResonanceKind::Series ? 1 : -1; }
int SignBefore(ResonanceKind kind) { return -SignAfter(kind); }

void Give(AntennaSample& s, int sign) {
    s.xs = std::fabs(s.xs);
    if (sign == 0) {
        s.xsSign = ReactanceSign::Unknown;
        return;
    }
    s.xs = std::copysign(s.xs, sign);
    s.xsSign = ReactanceSign::Estimated;
}

std::vector<Boundary> BoundariesOf(const ReactanceEvidence& evidence) {
    std::vector<Boundary> boundaries;
    for (const Resonance& r : evidence.zeros) boundaries.push_back({r.hz, r.hz, true, r.kind});
    for (const UnclearStretch& u : evidence.unclear) {
        boundaries.push_back({u.lowHz, u.highHz, false, ResonanceKind::Series});
    }
    std::sort(boundaries.begin(), boundaries.end(),
              [](const Boundary& a, const Boundary& b) { return a.lowHz < b.lowHz; });
    return boundaries;
}

// A sample at a zero lies beyond it; one at an unclear stretch's end still inside it.
bool LiesBeyond(double hz, const Boundary& b) { return b.isZero ? hz >= b.highHz : hz > b.highHz; }

// The sign of a stretch between two boundaries (either may be absent: an end of the sweep).
int SignBetween(const Boundary* below, const Boundary* above) {
    const int after = below != nullptr && below->isZero ? SignAfter(below->kind) : 0;
    const int before = above != nullptr && above->isZero ? SignBefore(above->kind) : 0;
    if (after != 0 && before != 0) return after == before ? after : 0;
    return after != 0 ? after : before;
}

}  // namespace

void AssignEstimatedSigns(std::vector<AntennaSample>& samples, const ReactanceEvidence& evidence) {
    const std::vector<Boundary> boundaries = BoundariesOf(evidence);
    std::size_t next = 0;  // the first boundary whose stretch does not lie below the sample
    for (AntennaSample& s : samples) {
        while (next < boundaries.size() && LiesBeyond(s.hz, boundaries[next])) ++next;
        if (next < boundaries.size() && !boundaries[next].isZero &&
            s.hz >= boundaries[next].lowHz) {
            Give(s, 0);  // inside an unclear stretch
            continue;
        }
        const Boundary* below = next > 0 ? &boundaries[next - 1] : nullptr;
        const Boundary* above = next < boundaries.size() ? &boundaries[next] : nullptr;
        Give(s, SignBetween(below, above));
    }
}

}  // namespace ravemo
