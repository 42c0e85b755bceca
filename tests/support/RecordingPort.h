#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "instrument/PortIo.h"

namespace ravemo::test {

// A port that records every access in order and answers status reads from a script (then a
// fixed default). The tests' main tool for exact protocol sequences. While set failing, every
// access counts in failedAccesses(), as an unplugged adapter's would.
class RecordingPort final : public PortIo {
  public:
    enum class Kind : std::uint8_t { Write, Read };
    struct Access {
        Kind kind;
        std::uint16_t address;
        std::uint8_t value;
        bool operator==(const Access&) const = default;
    };

    void write(std::uint16_t address, std::uint8_t value) override {
        accesses_.push_back({Kind::Write, address, value});
        failed_ += failing_ ? 1U : 0U;
    }

    std::uint8_t read(std::uint16_t address) override {
        std::uint8_t value = defaultStatus_;
        if (!scripted_.empty()) {
            value = scripted_.front();
            scripted_.pop_front();
        }
        accesses_.push_back({Kind::Read, address, value});
        failed_ += failing_ ? 1U : 0U;
        return value;
    }

    std::uint64_t failedAccesses() const override { return failed_; }
    void setFailing(bool failing) { failing_ = failing; }

    // Status bytes answered by the next reads, in order; after them, defaultStatus.
    void scriptReads(const std::vector<std::uint8_t>& values) {
        scripted_.insert(scripted_.end(), values.begin(), values.end());
    }
    void setDefaultStatus(std::uint8_t value) { defaultStatus_ = value; }

    const std::vector<Access>& accesses() const { return accesses_; }
    std::vector<std::uint8_t> writtenValues() const {
        std::vector<std::uint8_t> values;
        for (const Access& access : accesses_) {
            if (access.kind == Kind::Write) values.push_back(access.value);
        }
        return values;
    }
    std::size_t readCount() const {
        std::size_t count = 0;
        for (const Access& access : accesses_) count += access.kind == Kind::Read ? 1 : 0;
        return count;
    }
    void clear() { accesses_.clear(); }

  private:
    std::vector<Access> accesses_;
    std::deque<std::uint8_t> scripted_;
    std::uint8_t defaultStatus_ = 0;
    std::uint64_t failed_ = 0;
    bool failing_ = false;
};

}  // namespace ravemo::test
