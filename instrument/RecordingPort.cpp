#include "instrument/RecordingPort.h"

namespace ravemo {

void RecordingPort::write(std::uint16_t address, std::uint8_t value) {
    accesses_.push_back({Kind::Write, address, value});
}

std::uint8_t RecordingPort::read(std::uint16_t address) {
    std::uint8_t value = defaultStatus_;
    if (!scripted_.empty()) {
        value = scripted_.front();
        scripted_.pop_front();
    }
    accesses_.push_back({Kind::Read, address, value});
    return value;
}

void RecordingPort::scriptReads(const std::vector<std::uint8_t>& values) {
    scripted_.insert(scripted_.end(), values.begin(), values.end());
}

std::vector<std::uint8_t> RecordingPort::writtenValues() const {
    std::vector<std::uint8_t> values;
    for (const Access& access : accesses_) {
        if (access.kind == Kind::Write) values.push_back(access.value);
    }
    return values;
}

std::size_t RecordingPort::readCount() const {
    std::size_t count = 0;
    for (const Access& access : accesses_) count += access.kind == Kind::Read ? 1 : 0;
    return count;
}

}  // namespace ravemo
