#pragma once

#include <cstdint>

#include "common/EventPump.h"
#include "instrument/PortIo.h"

namespace ravemo {

// Data register bits of the parallel port as the instrument is wired.
inline constexpr std::uint8_t kDdsDataBit = 1;     // synthesiser serial data
inline constexpr std::uint8_t kDdsClockBit = 2;    // word clock, data taken on the rising edge
inline constexpr std::uint8_t kDdsUpdateBit = 4;   // a high pulse makes the frame take effect
inline constexpr std::uint8_t kAdcClockBit = 8;    // converter clock
inline constexpr std::uint8_t kAdcSelectBit = 16;  // converter chip select, low = selected
inline constexpr std::uint8_t kRestingValue = kAdcClockBit | kAdcSelectBit;  // 24
// Status register bits.
inline constexpr std::uint8_t kPhaseDataMask = 16;
inline constexpr std::uint8_t kReturnLossDataMask = 32;

// Where the instrument hangs and how it yields: the port, its data register address (the
// 16 bits of Address1) and the event pump.
struct PortLink {
    PortIo& port;
    std::uint16_t dataAddress;
    EventPump& pump;

    // Address1 + 1, as a 16-bit sum.
    std::uint16_t statusAddress() const { return static_cast<std::uint16_t>(dataAddress + 1U); }
    void writeData(std::uint8_t value) const { port.write(dataAddress, value); }
};

}  // namespace ravemo
