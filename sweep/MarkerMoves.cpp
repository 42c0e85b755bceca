#include "sweep/MarkerMoves.h"

#include <algorithm>
#include <cmath>

namespace ravemo {
namespace {

constexpr std::int64_t kTenths = 10;

}  // namespace

std::int32_t MovedMarkerIndex(std::int32_t index, MarkerMove move, std::int32_t champ,
                              std::int32_t step) {
    // 64-bit: Champ and Step near the 32-bit limit must not overflow a sum.
    const std::int64_t stride = std::max<std::int64_t>(step, 1);
    const std::int64_t last = std::max<std::int64_t>(champ, 1);
    // MarkerIndex never gives 0, nor less than Step (but Champ where Champ < Step).
    const std::int64_t lowest = std::min(stride, last);
    const std::int64_t highest = std::max(lowest, last / stride * stride);
    const std::int64_t tenth = std::max<std::int64_t>(
        stride,
        std::llround(static_cast<double>(last) / kTenths / static_cast<double>(stride)) * stride);
    std::int64_t next = index;
    switch (move) {
        case MarkerMove::SampleLeft:
            next = index - stride;
            break;
        case MarkerMove::SampleRight:
            next = index + stride;
            break;
        case MarkerMove::TenthLeft:
            next = index - tenth;
            break;
        case MarkerMove::TenthRight:
            next = index + tenth;
            break;
        case MarkerMove::FirstSample:
            next = lowest;
            break;
        case MarkerMove::LastSample:
            next = highest;
            break;
    }
    // Back onto the grid (a marker placed by the mouse may stand between samples).
    if (next > lowest && next < highest) next = next / stride * stride;
    return static_cast<std::int32_t>(std::clamp(next, lowest, highest));
}

double SampleLineX(std::int32_t index, double chartWidth, std::int32_t champ) {
    return static_cast<double>(index) * (chartWidth / static_cast<double>(std::max(champ, 1)));
}

}  // namespace ravemo
