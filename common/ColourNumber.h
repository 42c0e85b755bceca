#pragma once

#include <cmath>
#include <cstdint>

namespace ravemo {

// A colour number: red + 256 green + 65536 blue (the platform's 0x00BBGGRR layout), as the
// settings' colorS1..colorS6, the colour dialog and the chart take it.
inline constexpr std::uint32_t kLargestColourNumber = 0xFFFFFFU;

// A colour setting (held in single precision) rounded for use, ties to even; a value outside
// the colour range takes the nearest end, one that is not a number black.
inline std::uint32_t ColourNumberOfSetting(float setting) {
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

// Where the components stand in a colour number: red in bits 0-7, green 8-15, blue 16-23.
inline constexpr std::uint32_t kColourComponentMask = 0xFFU;
inline constexpr int kGreenShiftBits = 8;
inline constexpr int kBlueShiftBits = 16;

inline constexpr ColourComponents ComponentsOf(std::uint32_t number) {
    return {static_cast<int>(number & kColourComponentMask),
            static_cast<int>((number >> kGreenShiftBits) & kColourComponentMask),
            static_cast<int>((number >> kBlueShiftBits) & kColourComponentMask)};
}

// The colour number of three components 0..255.
inline constexpr std::uint32_t ColourNumberOf(const ColourComponents& c) {
    return static_cast<std::uint32_t>(c.red) |
           (static_cast<std::uint32_t>(c.green) << kGreenShiftBits) |
           (static_cast<std::uint32_t>(c.blue) << kBlueShiftBits);
}

}  // namespace ravemo
