#pragma once

#include <optional>
#include <vector>

#include "analysis/AntennaSample.h"

namespace ravemo {

inline constexpr double kDefaultSwrLimit = 2.0;
inline constexpr int kDefaultDipCount = 3;
inline constexpr double kSwrTwoToOne = 2.0;
inline constexpr double kSwrOneAndHalf = 1.5;

// Where the SWR on either side of a dip crosses a level, each edge interpolated linearly
// between the two samples that straddle it.
struct SwrEdges {
    double lowHz = 0.0;
    double highHz = 0.0;
    double bandwidthHz = 0.0;
};

struct SwrDip {
    AntennaSample bottom;  // the lowest point (the middle of a flat bottom)
    // Absent when the dip does not go below the level, or an edge lies outside the sweep.
    std::optional<SwrEdges> swr2;
    std::optional<SwrEdges> swr15;
    // Q = f0 / BW2 x (s - 1) / sqrt(s), s = 2: exact for a series RLC whose R equals the
    // reference; absent without a 2:1 bandwidth.
    std::optional<double> q;
};

// The dips: each stretch where the SWR is below `swrLimit`, by its lowest point, deepest first
// (the lower frequency first among equals), at most `maxDips`.
std::vector<SwrDip> FindSwrDips(const std::vector<AntennaSample>& samples, double swrLimit,
                                int maxDips);

}  // namespace ravemo
