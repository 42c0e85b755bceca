#pragma once

#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>

#include <cerrno>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "instrument/PosixPortCalls.h"

namespace ravemo {

// Stands in for the kernel under PpdevPort and DirectIoPort: records every call as one line
// ("open /dev/parport0", "ioctl 3 PPWDATA 24", "ioperm 888 3 1", "outb 24 888", "close 3"),
// answers reads with `readByte`, and fails the calls a test names with their errno.
class FakePortCalls final : public PosixPortCalls {
  public:
    static constexpr int kFd = 3;

    std::vector<std::string> calls;
    std::uint8_t readByte = 0;
    int openError = 0;
    int iopermError = 0;
    std::map<unsigned long, int> ioctlErrors;  // request -> errno

    int open(const char* path, int /*flags*/) override {
        calls.push_back("open " + std::string(path));
        return fail(openError, kFd);
    }
    int close(int fd) override {
        calls.push_back("close " + std::to_string(fd));
        return 0;
    }
    int ioctl(int fd, unsigned long request, void* argument) override {
        std::string line = "ioctl " + std::to_string(fd) + " " + requestName(request);
        const bool carriesByte = request == PPWDATA || request == PPWCONTROL;
        if (carriesByte) line += " " + std::to_string(*static_cast<unsigned char*>(argument));
        calls.push_back(line);
        const auto error = ioctlErrors.find(request);
        if (error != ioctlErrors.end()) return fail(error->second, 0);
        const bool readsByte = request == PPRDATA || request == PPRSTATUS || request == PPRCONTROL;
        if (readsByte) *static_cast<unsigned char*>(argument) = readByte;
        return 0;
    }
    int ioperm(unsigned long from, unsigned long count, int turnOn) override {
        calls.push_back("ioperm " + std::to_string(from) + " " + std::to_string(count) + " " +
                        std::to_string(turnOn));
        return fail(iopermError, 0);
    }
    void outb(std::uint8_t value, std::uint16_t address) override {
        calls.push_back("outb " + std::to_string(value) + " " + std::to_string(address));
    }
    std::uint8_t inb(std::uint16_t address) override {
        calls.push_back("inb " + std::to_string(address));
        return readByte;
    }

  private:
    static int fail(int error, int success) {
        if (error == 0) return success;
        errno = error;
        return -1;
    }

    static std::string requestName(unsigned long request) {
        static const std::map<unsigned long, std::string> names = {
            {PPCLAIM, "PPCLAIM"},       {PPRELEASE, "PPRELEASE"},  {PPDATADIR, "PPDATADIR"},
            {PPWDATA, "PPWDATA"},       {PPRDATA, "PPRDATA"},      {PPRSTATUS, "PPRSTATUS"},
            {PPWCONTROL, "PPWCONTROL"}, {PPRCONTROL, "PPRCONTROL"}};
        const auto name = names.find(request);
        return name == names.end() ? std::to_string(request) : name->second;
    }
};

}  // namespace ravemo
