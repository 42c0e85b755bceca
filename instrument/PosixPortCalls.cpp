#include "instrument/PosixPortCalls.h"

#include <cerrno>

#ifdef __linux__
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>
#if defined(__x86_64__) || defined(__i386__)
#define RAVEMO_HAS_DIRECT_IO 1
#include <sys/io.h>
#endif
#endif

namespace ravemo {
namespace {

[[maybe_unused]] int unsupported() {
    errno = ENOSYS;
    return -1;
}

class SystemPortCalls final : public PosixPortCalls {
  public:
#ifdef __linux__
    int open(const char* path, int flags) override { return ::open(path, flags); }
    int close(int fd) override { return ::close(fd); }
    int ioctl(int fd, unsigned long request, void* argument) override {
        return ::ioctl(fd, request, argument);
    }
#else
    int open(const char*, int) override { return unsupported(); }
    int close(int) override { return unsupported(); }
    int ioctl(int, unsigned long, void*) override { return unsupported(); }
#endif

#ifdef RAVEMO_HAS_DIRECT_IO
    int ioperm(unsigned long from, unsigned long count, int turnOn) override {
        return ::ioperm(from, count, turnOn);
    }
    void outb(std::uint8_t value, std::uint16_t address) override { ::outb(value, address); }
    std::uint8_t inb(std::uint16_t address) override { return ::inb(address); }
#else
    int ioperm(unsigned long, unsigned long, int) override { return unsupported(); }
    // Never reached: without ioperm no DirectIoPort opens.
    void outb(std::uint8_t, std::uint16_t) override {}
    std::uint8_t inb(std::uint16_t) override { return 0; }
#endif
};

}  // namespace

PosixPortCalls& PosixPortCalls::system() {
    static SystemPortCalls calls;
    return calls;
}

}  // namespace ravemo
