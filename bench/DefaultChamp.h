#pragma once

#include <cstdint>

namespace ravemo::bench {

// Every benchmark sweeps as many points as the shipped settings do (Champ 6000: 6001 points).
inline constexpr std::int32_t kDefaultChamp = 6000;

}  // namespace ravemo::bench
