#include "files/NumberFields.h"

#include <charconv>
#include <cmath>

namespace ravemo {

std::string MachineNumber(double value, int significant) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, significant);
    return std::string(buffer, result.ptr);
}

std::string ExactMachineNumber(double value) {
    if (!std::isfinite(value)) return MachineNumber(value, 1);
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace ravemo
