#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

namespace ravemo {

// Rounds to the nearest integer, ties to the even one (the default floating-point mode).
inline double RoundHalfEven(double value) { return std::nearbyint(value); }

// Ties-to-even rounding into a signed 32-bit integer; nothing when the result does not fit or
// the value is not finite.
inline std::optional<std::int32_t> RoundToInt32(double value) {
    const double rounded = std::nearbyint(value);
    if (!std::isfinite(rounded) || rounded < -2147483648.0 || rounded > 2147483647.0) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(rounded);
}

}  // namespace ravemo
