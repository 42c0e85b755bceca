#pragma once

#include <cstdint>

#include "instrument/PortOpening.h"

namespace ravemo {

// The parallel port's registers reached directly with ioperm + outb/inb (Linux on x86 only),
// for root or a process with CAP_SYS_RAWIO. Opt-in: ppdev is the safer way.
class DirectIoPort final : public PortIo {
  public:
    static PortOpening open(std::uint16_t dataAddress);

    ~DirectIoPort() override;
    DirectIoPort(const DirectIoPort&) = delete;
    DirectIoPort& operator=(const DirectIoPort&) = delete;

    void write(std::uint16_t address, std::uint8_t value) override;
    std::uint8_t read(std::uint16_t address) override;

    // What the user can do when ioperm failed with `error` (an errno).
    static QString problemText(int error, std::uint16_t dataAddress);

  private:
    explicit DirectIoPort(std::uint16_t dataAddress) : dataAddress_(dataAddress) {}
    std::uint16_t dataAddress_;
};

}  // namespace ravemo
