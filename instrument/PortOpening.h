#pragma once

#include <memory>

#include <QString>

#include "instrument/PortIo.h"

namespace ravemo {

// What opening a hardware back end gives: the port, or a problem the user can act on.
struct PortOpening {
    std::unique_ptr<PortIo> port;  // null when the back end could not be opened
    QString description;           // e.g. "parallel port /dev/parport0 (0x378)"
    QString problem;               // empty when the port opened
};

// "888 (0x378)": an I/O address as the settings file gives it and as the hardware docs do.
inline QString AddressText(std::uint16_t address) {
    return QStringLiteral("%1 (0x%2)").arg(address).arg(address, 0, 16);
}

}  // namespace ravemo
