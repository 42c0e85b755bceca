#pragma once

#include <cstdint>

#include "instrument/PortOpening.h"
#include "instrument/PosixPortCalls.h"

namespace ravemo {

// The parallel port's registers reached directly with ioperm + outb/inb (Linux on x86 only),
// for root or a process with CAP_SYS_RAWIO. Opt-in: ppdev is the safer way. Only the three
// registers at Address1 .. Address1 + 2 are reached; any other address reaches nothing.
class DirectIoPort final : public PortIo {
  public:
    static PortOpening open(std::uint16_t dataAddress,
                            PosixPortCalls& calls = PosixPortCalls::system());

    // Gives the registers back.
    ~DirectIoPort() override;
    DirectIoPort(const DirectIoPort&) = delete;
    DirectIoPort& operator=(const DirectIoPort&) = delete;

    void write(std::uint16_t address, std::uint8_t value) override;
    std::uint8_t read(std::uint16_t address) override;
    // outb and inb cannot fail: failedAccesses() stays 0.

    // What the user can do when ioperm failed with `error` (an errno).
    static QString problemText(int error, std::uint16_t dataAddress);

  private:
    DirectIoPort(PosixPortCalls& calls, std::uint16_t dataAddress)
        : calls_(calls), dataAddress_(dataAddress) {}

    // Whether `address` is one of the registers ioperm granted.
    bool isGranted(std::uint16_t address) const;

    PosixPortCalls& calls_;
    std::uint16_t dataAddress_;
};

}  // namespace ravemo
