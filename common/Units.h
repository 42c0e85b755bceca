#pragma once

namespace ravemo {

// The sweep limits are typed and shown in MHz and held in Hz.
inline constexpr double kHzPerMHz = 1e6;

}  // namespace ravemo
