#pragma once

#include <cstdint>

#include <QString>

#include "instrument/ParportMapping.h"
#include "instrument/PortOpening.h"

namespace ravemo {

// The parallel port through Linux's ppdev driver (/dev/parportN): no root needed, only
// membership of the device's group (lp on Debian). The data register answers at the
// settings' Address1, status at Address1 + 1 and control at Address1 + 2, as on the bare
// hardware; status bits arrive raw, exactly as the port's register holds them.
class PpdevPort final : public PortIo {
  public:
    // Opens and claims `devicePath`; the port answers at `dataAddress`.
    static PortOpening open(const QString& devicePath, std::uint16_t dataAddress);
    // Finds the port whose base address is `dataAddress` in the kernel's list, then opens it.
    static PortOpening openAtAddress(
        std::uint16_t dataAddress,
        const QString& procParportDir = QString::fromLatin1(kProcParportDir),
        const QString& deviceDir = QString::fromLatin1(kDeviceDir));

    ~PpdevPort() override;
    PpdevPort(const PpdevPort&) = delete;
    PpdevPort& operator=(const PpdevPort&) = delete;

    void write(std::uint16_t address, std::uint8_t value) override;
    std::uint8_t read(std::uint16_t address) override;

    // What the user can do when `step` ("open" or "claim") failed with `error` (an errno).
    enum class Step { Open, Claim };
    static QString problemText(int error, Step step, const QString& devicePath);

  private:
    PpdevPort(int fd, std::uint16_t dataAddress) : fd_(fd), dataAddress_(dataAddress) {}

    int fd_;
    std::uint16_t dataAddress_;
};

}  // namespace ravemo
