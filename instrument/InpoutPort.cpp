#ifdef _WIN32

#include "instrument/InpoutPort.h"

#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace ravemo {
namespace {
#ifdef _WIN64
constexpr const wchar_t* kInpoutLibrary = L"inpoutx64.dll";
#else
constexpr const wchar_t* kInpoutLibrary = L"inpout32.dll";
#endif
constexpr short kLowByteMask = 0xFF;  // Inp32 returns the byte in a 16-bit integer
}  // namespace

PortOpening InpoutPort::open(std::uint16_t dataAddress) {
    HMODULE library = ::LoadLibraryW(kInpoutLibrary);
    if (library == nullptr) {
        return {nullptr,
                {},
                QStringLiteral("cannot load %1: put it beside the program (from the InpOut32 "
                               "package, whose installer also sets up its driver)")
                    .arg(QString::fromWCharArray(kInpoutLibrary))};
    }
    // Through the generic void(*)() so that no compiler takes the cast for a mismatched call.
    auto out32 = reinterpret_cast<Out32Function>(
        reinterpret_cast<void (*)()>(::GetProcAddress(library, "Out32")));
    auto inp32 = reinterpret_cast<Inp32Function>(
        reinterpret_cast<void (*)()>(::GetProcAddress(library, "Inp32")));
    if (out32 == nullptr || inp32 == nullptr) {
        ::FreeLibrary(library);
        return {nullptr,
                {},
                QStringLiteral("%1 has no Out32/Inp32: replace it with the InpOut32 package's "
                               "DLL")
                    .arg(QString::fromWCharArray(kInpoutLibrary))};
    }
    return {std::unique_ptr<PortIo>(new InpoutPort(library, out32, inp32)),
            QStringLiteral("parallel port 0x%1 (%2)")
                .arg(dataAddress, 0, 16)
                .arg(QString::fromWCharArray(kInpoutLibrary)),
            {}};
}

InpoutPort::~InpoutPort() { ::FreeLibrary(static_cast<HMODULE>(library_)); }

void InpoutPort::write(std::uint16_t address, std::uint8_t value) {
    out32_(static_cast<short>(address), static_cast<short>(value));
}

std::uint8_t InpoutPort::read(std::uint16_t address) {
    return static_cast<std::uint8_t>(inp32_(static_cast<short>(address)) & kLowByteMask);
}

}  // namespace ravemo

#endif  // _WIN32
