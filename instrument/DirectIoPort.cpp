#include "instrument/DirectIoPort.h"

#include <cerrno>
#include <cstring>

#if defined(__linux__) && (defined(__x86_64__) || defined(__i386__))
#define RAVEMO_HAS_DIRECT_IO 1
#include <sys/io.h>
#endif

namespace ravemo {
namespace {
// Data, status and control registers.
[[maybe_unused]] constexpr int kPortRegisterCount = 3;
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
    return QStringLiteral("direct I/O at address %1 failed: %2")
        .arg(AddressText(dataAddress), QString::fromLocal8Bit(std::strerror(error)));
}

#ifdef RAVEMO_HAS_DIRECT_IO

PortOpening DirectIoPort::open(std::uint16_t dataAddress) {
    if (::ioperm(dataAddress, kPortRegisterCount, 1) != 0) {
        return {nullptr, {}, problemText(errno, dataAddress)};
    }
    return {std::unique_ptr<PortIo>(new DirectIoPort(dataAddress)),
            QStringLiteral("parallel port 0x%1 (direct I/O)").arg(dataAddress, 0, 16),
            {}};
}

DirectIoPort::~DirectIoPort() { static_cast<void>(::ioperm(dataAddress_, kPortRegisterCount, 0)); }

// Only the three registers granted by ioperm: any other address would fault the process.
void DirectIoPort::write(std::uint16_t address, std::uint8_t value) {
    if (address - dataAddress_ >= 0 && address - dataAddress_ < int{kPortRegisterCount}) {
        ::outb(value, address);
    }
}

std::uint8_t DirectIoPort::read(std::uint16_t address) {
    if (address - dataAddress_ >= 0 && address - dataAddress_ < int{kPortRegisterCount}) {
        return ::inb(address);
    }
    return 0;
}

#else

PortOpening DirectIoPort::open(std::uint16_t dataAddress) {
    return {nullptr,
            {},
            QStringLiteral("direct I/O at address %1 is available only on Linux on x86 PCs; use "
                           "ppdev instead")
                .arg(AddressText(dataAddress))};
}
DirectIoPort::~DirectIoPort() = default;
void DirectIoPort::write(std::uint16_t, std::uint8_t) {}
std::uint8_t DirectIoPort::read(std::uint16_t) { return 0; }

#endif

}  // namespace ravemo
