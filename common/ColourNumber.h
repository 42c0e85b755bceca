#pragma once

#include <cmath>
#include <cstdint>

namespace ravemo {

// A colour number: red + 256 green + 65536 blue (the platform's 0x00BBGGRR layout), as the
// settings' colorS1..colorS6, the colour dialog and the chart take it.
inline constexpr std::uint32_t kLargestColourNumber = 0xFFFFFFU;

// A colour setting (held in single precision) rounded for use, ties to even; a value outside
// the colour range takes the nearest end, one that is not a number black.
inline std::uint32_t colourNumber(float setting) {
    const double rounded = std::nearbyint(static_cast<double>(setting));
    if (!(rounded >= 0.0)) return 0;
    if (rounded > kLargestColourNumber) return kLargestColourNumber;
    return static_cast<std::uint32_t>(rounded);
}

// The three 8-bit components of a colour number (bits above the 24 are ignored).
struct ColourComponents {
    int red;
    int green;
    int blue;
};

inline constexpr ColourComponents componentsOf(std::uint32_t number) {
    constexpr std::uint32_t kComponentMask = 0xFFU;
    constexpr int kGreenShift = 8;
    constexpr int kBlueShift = 16;
    return {static_cast<int>(number & kComponentMask),
            static_cast<int>((number >> kGreenShift) & kComponentMask),
            static_cast<int>((number >> kBlueShift) & kComponentMask)};
}

}  // namespace ravemo
