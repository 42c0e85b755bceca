#pragma once

#include "instrument/PortLink.h"

namespace ravemo {

// Bits per converter reading, each clocked out after a yield: the read's yields.
inline constexpr int kConverterBits = 10;

// Reads both 10-bit converters in one clocked sequence, most significant bit first, into the
// two cells of a sample index. Both cells are zeroed first and accumulate bit by bit (the read
// yields before every bit, so other handlers may see a partial value, as the instrument does).
// Writes 24, ten times (0, 8, 0), 24; two status reads per bit: phase from the first (bit 4),
// return loss from the second (bit 5).
void ReadAdcPair(const PortLink& link, float& phaseCell, float& returnLossCell);

}  // namespace ravemo
