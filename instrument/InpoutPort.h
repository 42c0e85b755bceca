#pragma once

#ifdef _WIN32

#include <cstdint>

#include "instrument/PortOpening.h"

namespace ravemo {

// The parallel port through the user-mode port DLL of Windows (inpoutx64.dll for 64-bit
// programs, inpout32.dll for 32-bit ones), loaded at run time; its Out32/Inp32 reach any I/O
// address once its driver is installed.
class InpoutPort final : public PortIo {
  public:
    static PortOpening open(std::uint16_t dataAddress);

    ~InpoutPort() override;
    InpoutPort(const InpoutPort&) = delete;
    InpoutPort& operator=(const InpoutPort&) = delete;

    void write(std::uint16_t address, std::uint8_t value) override;
    std::uint8_t read(std::uint16_t address) override;

  private:
    using Out32Function = void(__stdcall*)(short, short);
    using Inp32Function = short(__stdcall*)(short);

    InpoutPort(void* library, Out32Function out32, Inp32Function inp32)
        : library_(library), out32_(out32), inp32_(inp32) {}

    void* library_;
    Out32Function out32_;
    Inp32Function inp32_;
};

}  // namespace ravemo

#endif  // _WIN32
