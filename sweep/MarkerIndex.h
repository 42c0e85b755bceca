#pragma once

#include <cstdint>

namespace ravemo {

// The sample index a marker line stands on: the inverse of the curves' placement of index i at
// i x (chart width / Champ), rounded ties-to-even, moved onto the Step grid (ties-to-even) and
// limited to Step..Champ (and never 0). A line far outside the chart, or a chart width of 0,
// saturates to the nearest end instead of overflowing. lineX and chartWidth are in twips.
std::int32_t MarkerIndex(float lineX, double chartWidth, std::int32_t champ, std::int32_t step);

}  // namespace ravemo
