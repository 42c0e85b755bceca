#pragma once

#include <cstdint>

namespace ravemo {

// How a key moves a marker over the samples of the sweep (left is the chart's left edge).
enum class MarkerMove {
    SampleLeft,  // one swept sample (Step indices)
    SampleRight,
    TenthLeft,  // a tenth of the span, at least one sample
    TenthRight,
    FirstSample,  // the leftmost index a marker can stand on
    LastSample,   // the rightmost swept index
};

// The index a marker at `index` moves to. The result lies on the Step grid within the indices
// MarkerIndex (sweep/MarkerIndex.h) can give, Step..Champ, so the sweep reads the marker back
// exactly there; a move beyond an end stops at that end. Champ and Step at least 1.
std::int32_t MovedMarkerIndex(std::int32_t index, MarkerMove move, std::int32_t champ,
                              std::int32_t step);

// The chart x (twips) of sample `index`: where the curves draw it, so MarkerIndex gives the
// index back. Champ at least 1.
double SampleLineX(std::int32_t index, double chartWidth, std::int32_t champ);

}  // namespace ravemo
