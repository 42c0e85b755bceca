#pragma once

#include <cstdint>

#include <QString>

#include "instrument/ParportMapping.h"
#include "instrument/PortOpening.h"
#include "instrument/PosixPortCalls.h"

namespace ravemo {

// The parallel port through Linux's ppdev driver (/dev/parportN): no root needed, only
// membership of the device's group (lp on Debian). The data register answers at the
// settings' Address1, status at Address1 + 1 and control at Address1 + 2, as on the bare
// hardware; status bits arrive raw, exactly as the port's register holds them. Other
// addresses reach nothing. An access whose ioctl fails counts in failedAccesses() (a read
// then gives 0).
class PpdevPort final : public PortIo {
  public:
    // Opens and claims `devicePath`; the port answers at `dataAddress`.
    static PortOpening open(const QString& devicePath, std::uint16_t dataAddress,
                            PosixPortCalls& calls = PosixPortCalls::system());
    // Finds the port whose base address is `dataAddress` in the kernel's list, then opens it.
    static PortOpening openAtAddress(
        std::uint16_t dataAddress,
        const QString& procParportDir = QString::fromLatin1(kProcParportDir),
        const QString& deviceDir = QString::fromLatin1(kDeviceDir),
        PosixPortCalls& calls = PosixPortCalls::system());

    // Releases the port and closes the device.
    ~PpdevPort() override;
    PpdevPort(const PpdevPort&) = delete;
    PpdevPort& operator=(const PpdevPort&) = delete;

    void write(std::uint16_t address, std::uint8_t value) override;
    std::uint8_t read(std::uint16_t address) override;
    std::uint64_t failedAccesses() const override { return failedAccesses_; }

    // What the user can do when `step` ("open" or "claim") failed with `error` (an errno).
    enum class Step { Open, Claim };
    static QString problemText(int error, Step step, const QString& devicePath);

  private:
    PpdevPort(PosixPortCalls& calls, int fd, std::uint16_t dataAddress)
        : calls_(calls), fd_(fd), dataAddress_(dataAddress) {}

    // One register transfer; a failed one is counted.
    void transfer(unsigned long request, unsigned char& byte);

    PosixPortCalls& calls_;
    int fd_;
    std::uint16_t dataAddress_;
    std::uint64_t failedAccesses_ = 0;
};

}  // namespace ravemo
