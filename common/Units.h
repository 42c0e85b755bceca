#pragma once

namespace ravemo {

// The sweep limits are typed and shown in MHz and held in Hz.
inline constexpr double kHzPerMHz = 1e6;
inline constexpr double kHzPerKHz = 1e3;

// A voltage (or reflection) ratio of ten is 20 dB.
inline constexpr double kDbPerRatioDecade = 20.0;

inline constexpr double kDegreesPerHalfTurn = 180.0;

inline constexpr double kPercent = 100.0;

inline constexpr double kSpeedOfLightMetresPerSecond = 299'792'458.0;

}  // namespace ravemo
