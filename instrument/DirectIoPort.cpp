#include "instrument/DirectIoPort.h"

#include <cerrno>
#include <cstring>

namespace ravemo {
namespace {
// Data, status and control registers.
constexpr int kPortRegisterCount = 3;
}  // namespace

QString DirectIoPort::problemText(int error, std::uint16_t dataAddress) {
    if (error == EPERM || error == EACCES) {
        return QStringLiteral(
                   "no permission for direct I/O at address %1: run as root (or grant "
                   "CAP_SYS_RAWIO), or use the ppdev port without --port direct")
            .arg(AddressText(dataAddress));
    }
    if (error == EINVAL) {
        return QStringLiteral("address %1 is not a valid I/O port range: check Address1")
            .arg(AddressText(dataAddress));
    }
    // Not built for x86 Linux, or a kernel built without ioperm.
    if (error == ENOSYS) {
        return QStringLiteral(
                   "direct I/O at address %1 is not available here: it needs Linux on an x86 PC "
                   "with ioperm in the kernel; use ppdev instead")
            .arg(AddressText(dataAddress));
    }
    return QStringLiteral("direct I/O at address %1 failed: %2")
        .arg(AddressText(dataAddress), QString::fromLocal8Bit(std::strerror(error)));
}

PortOpening DirectIoPort::open(std::uint16_t dataAddress, PosixPortCalls& calls) {
    if (calls.ioperm(dataAddress, kPortRegisterCount, 1) != 0) {
        return {nullptr, {}, problemText(errno, dataAddress)};
    }
    return {std::unique_ptr<PortIo>(new DirectIoPort(calls, dataAddress)),
            QStringLiteral("parallel port 0x%1 (direct I/O)").arg(dataAddress, 0, 16),
            {}};
}

DirectIoPort::~DirectIoPort() {
    static_cast<void>(calls_.ioperm(dataAddress_, kPortRegisterCount, 0));
}

// Any address beyond the granted registers would fault the process.
bool DirectIoPort::isGranted(std::uint16_t address) const {
    return address >= dataAddress_ && address - dataAddress_ < kPortRegisterCount;
}

void DirectIoPort::write(std::uint16_t address, std::uint8_t value) {
    if (isGranted(address)) calls_.outb(value, address);
}

std::uint8_t DirectIoPort::read(std::uint16_t address) {
    return isGranted(address) ? calls_.inb(address) : 0;
}

}  // namespace ravemo
