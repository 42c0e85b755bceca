#pragma once

#include <cstdint>

namespace ravemo {

// The system calls under the real port back ends (PpdevPort, DirectIoPort). The back ends take
// them through this interface so that tests can stand in for the kernel and see exactly what
// each register access becomes, and make any call fail.
//
// Each call returns what the system call returns and leaves errno as it does: -1 and errno on
// failure. A back end is handed the calls when it is opened and keeps them until it is
// destroyed.
class PosixPortCalls {
  public:
    virtual ~PosixPortCalls() = default;

    virtual int open(const char* path, int flags) = 0;
    virtual int close(int fd) = 0;
    // `request` is an unsigned long as in ioctl(2): the read requests (PPRSTATUS...) lie above
    // the largest int.
    virtual int ioctl(int fd, unsigned long request, void* argument) = 0;
    virtual int ioperm(unsigned long from, unsigned long count, int turnOn) = 0;
    virtual void outb(std::uint8_t value, std::uint16_t address) = 0;
    virtual std::uint8_t inb(std::uint16_t address) = 0;

    // The machine's own calls. Where one does not exist (ioperm away from x86 Linux, the
    // others away from Linux) it fails with ENOSYS.
    static PosixPortCalls& system();
};

}  // namespace ravemo
