#pragma once

#include <cstdint>
#include <vector>

#include <QString>

namespace ravemo {

inline constexpr const char* kProcParportDir = "/proc/sys/dev/parport";
inline constexpr const char* kDeviceDir = "/dev";

// One parallel port the kernel lists: its name ("parport0") and its base I/O address.
struct ListedParport {
    QString name;
    std::uint16_t baseAddress;
};

// The ports listed under a /proc/sys/dev/parport-like directory, in order of their number:
// each parportN directory whose base-addr file begins with a number (e.g. "888\t1912\n").
// Entries without a readable base address are left out. Empty when the directory is missing.
std::vector<ListedParport> ListParports(const QString& procParportDir);

// The ppdev device of the port whose base address is `address` ("/dev/parport0" under
// `deviceDir`), or the problem the user can act on when no listed port has that address.
struct ParportLookup {
    QString devicePath;
    QString problem;
};
ParportLookup FindParportForAddress(const QString& procParportDir, const QString& deviceDir,
                                    std::uint16_t address);

}  // namespace ravemo
