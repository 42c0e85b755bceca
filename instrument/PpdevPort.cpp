#include "instrument/PpdevPort.h"

#ifdef __linux__
#include <fcntl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#endif

#include <cerrno>
#include <cstring>

namespace ravemo {
namespace {
constexpr std::uint16_t kStatusOffset = 1;
constexpr std::uint16_t kControlOffset = 2;
}  // namespace

QString PpdevPort::problemText(int error, Step step, const QString& devicePath) {
    switch (error) {
        case EACCES:
        case EPERM:
            return QStringLiteral(
                       "no permission to use %1: add your user to the lp group: sudo "
                       "adduser $USER lp, then log in again")
                .arg(devicePath);
        case EBUSY:
            return QStringLiteral("%1: the port is held by another driver (lp?): 'sudo rmmod lp'")
                .arg(devicePath);
        case ENXIO:
            if (step == Step::Claim) {
                return QStringLiteral(
                           "%1: the port is held by another driver (lp?): 'sudo rmmod "
                           "lp'")
                    .arg(devicePath);
            }
            [[fallthrough]];
        case ENOENT:
        case ENODEV:
            return QStringLiteral(
                       "no parallel port device %1: load the ppdev module with 'sudo "
                       "modprobe ppdev' or check the device name")
                .arg(devicePath);
        case ENOTTY:
        case EINVAL:
            return QStringLiteral("%1 is not a parallel port device (ppdev)").arg(devicePath);
        default:
            break;
    }
    return QStringLiteral("cannot %1 %2: %3")
        .arg(step == Step::Open ? QStringLiteral("open") : QStringLiteral("claim"), devicePath,
             QString::fromLocal8Bit(std::strerror(error)));
}

PortOpening PpdevPort::openAtAddress(std::uint16_t dataAddress, const QString& procParportDir,
                                     const QString& deviceDir, PosixPortCalls& calls) {
    const ParportLookup lookup = FindParportForAddress(procParportDir, deviceDir, dataAddress);
    if (lookup.devicePath.isEmpty()) return {nullptr, {}, lookup.problem};
    return open(lookup.devicePath, dataAddress, calls);
}

#ifdef __linux__

PortOpening PpdevPort::open(const QString& devicePath, std::uint16_t dataAddress,
                            PosixPortCalls& calls) {
    const QByteArray path = devicePath.toLocal8Bit();
    const int fd = calls.open(path.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return {nullptr, {}, problemText(errno, Step::Open, devicePath)};
    if (calls.ioctl(fd, PPCLAIM, nullptr) != 0) {
        const int error = errno;
        calls.close(fd);
        return {nullptr, {}, problemText(error, Step::Claim, devicePath)};
    }
    int forward = 0;  // drive the data lines (bidirectional ports may start as inputs)
    static_cast<void>(calls.ioctl(fd, PPDATADIR, &forward));
    return {std::unique_ptr<PortIo>(new PpdevPort(calls, fd, dataAddress)),
            QStringLiteral("parallel port %1 (0x%2)").arg(devicePath).arg(dataAddress, 0, 16),
            {}};
}

PpdevPort::~PpdevPort() {
    static_cast<void>(calls_.ioctl(fd_, PPRELEASE, nullptr));
    calls_.close(fd_);
}

void PpdevPort::transfer(unsigned long request, unsigned char& byte) {
    if (calls_.ioctl(fd_, request, &byte) != 0) ++failedAccesses_;
}

void PpdevPort::write(std::uint16_t address, std::uint8_t value) {
    unsigned char byte = value;
    if (address == dataAddress_) {
        transfer(PPWDATA, byte);
    } else if (address == static_cast<std::uint16_t>(dataAddress_ + kControlOffset)) {
        transfer(PPWCONTROL, byte);
    }
}

std::uint8_t PpdevPort::read(std::uint16_t address) {
    unsigned char byte = 0;
    if (address == static_cast<std::uint16_t>(dataAddress_ + kStatusOffset)) {
        transfer(PPRSTATUS, byte);
    } else if (address == dataAddress_) {
        transfer(PPRDATA, byte);
    } else if (address == static_cast<std::uint16_t>(dataAddress_ + kControlOffset)) {
        transfer(PPRCONTROL, byte);
    }
    return byte;
}

#else  // ppdev exists only on Linux

PortOpening PpdevPort::open(const QString& devicePath, std::uint16_t /*dataAddress*/,
                            PosixPortCalls& /*calls*/) {
    return {nullptr, {}, QStringLiteral("%1: ppdev exists only on Linux").arg(devicePath)};
}
PpdevPort::~PpdevPort() = default;
void PpdevPort::transfer(unsigned long, unsigned char&) {}
void PpdevPort::write(std::uint16_t, std::uint8_t) {}
std::uint8_t PpdevPort::read(std::uint16_t) { return 0; }

#endif

}  // namespace ravemo
