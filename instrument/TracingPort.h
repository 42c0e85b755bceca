#pragma once

#include <cstdint>
#include <iosfwd>

#include "instrument/PortIo.h"

class QIODevice;

namespace ravemo {

// Forwards every access to another port and writes it as one line, decimal numbers:
// "W <address> <value>" for a write, "R <address> <value>" for a read with the value read.
// Used by the command-line tool's --trace. The sink must outlive the port.
class TracingPort final : public PortIo {
  public:
    TracingPort(PortIo& inner, std::ostream& sink) : inner_(inner), stream_(&sink) {}
    TracingPort(PortIo& inner, QIODevice& sink) : inner_(inner), device_(&sink) {}

    void write(std::uint16_t address, std::uint8_t value) override;
    std::uint8_t read(std::uint16_t address) override;
    std::uint64_t failedAccesses() const override { return inner_.failedAccesses(); }

  private:
    void trace(char kind, std::uint16_t address, std::uint8_t value);

    PortIo& inner_;
    std::ostream* stream_ = nullptr;
    QIODevice* device_ = nullptr;
};

}  // namespace ravemo
