#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "instrument/PortIo.h"

namespace ravemo {

// A port that records every access in order and answers status reads from a script (then a
// fixed default). The tests' main tool for exact protocol sequences.
class RecordingPort final : public PortIo {
  public:
    enum class Kind : std::uint8_t { Write, Read };
    struct Access {
        Kind kind;
        std::uint16_t address;
        std::uint8_t value;
        bool operator==(const Access&) const = default;
    };

    void write(std::uint16_t address, std::uint8_t value) override;
    std::uint8_t read(std::uint16_t address) override;

    // Status bytes answered by the next reads, in order; after them, defaultStatus.
    void scriptReads(const std::vector<std::uint8_t>& values);
    void setDefaultStatus(std::uint8_t value) { defaultStatus_ = value; }

    const std::vector<Access>& accesses() const { return accesses_; }
    std::vector<std::uint8_t> writtenValues() const;
    std::size_t readCount() const;
    void clear() { accesses_.clear(); }

  private:
    std::vector<Access> accesses_;
    std::deque<std::uint8_t> scripted_;
    std::uint8_t defaultStatus_ = 0;
};

}  // namespace ravemo
