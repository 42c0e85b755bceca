#include "instrument/TracingPort.h"

#include <cstdio>
#include <ostream>

#include <QIODevice>

namespace ravemo {
namespace {
constexpr std::size_t kLineBufferBytes = 32;  // "W 65535 255\n" and more
}  // namespace

void TracingPort::write(std::uint16_t address, std::uint8_t value) {
    inner_.write(address, value);
    trace('W', address, value);
}

std::uint8_t TracingPort::read(std::uint16_t address) {
    const std::uint8_t value = inner_.read(address);
    trace('R', address, value);
    return value;
}

void TracingPort::trace(char kind, std::uint16_t address, std::uint8_t value) {
    char line[kLineBufferBytes];
    const int length =
        std::snprintf(line, sizeof line, "%c %u %u\n", kind, unsigned{address}, unsigned{value});
    if (length <= 0) return;
    if (stream_ != nullptr) stream_->write(line, length);
    if (device_ != nullptr) device_->write(line, length);
}

}  // namespace ravemo
