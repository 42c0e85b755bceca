#pragma once

#include <cstdint>

namespace ravemo {

// One byte-wide I/O port access, synchronous, with nothing returned or examined: the whole of
// what the instrument needs from the machine. Data register at Address1, status at Address1+1.
//
// To add a back end (another driver, another bus): derive, implement write() and read(), and
// let PortChoice create it. Keep failures out of these two calls: report them when the back end
// is opened, where the user can still act on them, and count those of run time (failedAccesses).
class PortIo {
  public:
    virtual ~PortIo() = default;
    virtual void write(std::uint16_t address, std::uint8_t value) = 0;
    virtual std::uint8_t read(std::uint16_t address) = 0;

    // Accesses that failed at run time since the port was opened (an unplugged adapter, a
    // driver error). The instrument gives no acknowledgement, so this is the only sign of it.
    virtual std::uint64_t failedAccesses() const { return 0; }
};

}  // namespace ravemo
