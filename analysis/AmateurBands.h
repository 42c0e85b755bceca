#pragma once

#include <vector>

namespace ravemo {

inline constexpr int kDefaultIaruRegion = 1;
inline constexpr int kIaruRegionCount = 3;

struct AmateurBand {
    const char* name;  // "2200m" ... "6m"
    double lowHz;
    double highHz;
};

// The amateur bands from LF to 6 m, 2200, 630, 160, 80, 60, 40, 30, 20, 17, 15, 12, 10 and 6 m,
// with their edges in IARU region 1, 2 or 3, ascending. Empty for any other region.
std::vector<AmateurBand> AmateurBandsOf(int region);

}  // namespace ravemo
