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
// between the two samples that straddle it; an edge beyond the sweep is absent, the other one
// is still known.
struct SwrEdges {
    std::optional<double> lowHz;  // absent: the SWR stays below the level down to the sweep's start
    std::optional<double> highHz;  // absent: ... up to its end
    // Only with both edges.
    std::optional<double> bandwidthHz() const {
        if (!lowHz || !highHz) return std::nullopt;
        return *highHz - *lowHz;
    }
};

// Why a dip has no Q.
enum class QProblem {
    None,
    NotReached,          // the dip does not go below 2:1
    EdgeOutside,         // an edge of its 2:1 band lies outside the sweep
    BottomNearTwoToOne,  // its lowest SWR is within one return-loss step of 2:1: the band's
                         // width is the converter's rounding, not the antenna's
};

struct SwrDip {
    AntennaSample bottom;  // the lowest point (the middle of a flat bottom)
    // Absent when the dip does not go below the level.
    std::optional<SwrEdges> swr2;
    std::optional<SwrEdges> swr15;
    // Q = f0 / BW2 x (s - 1) / sqrt(s), s = 2: exact for a series RLC whose R equals the
    // reference; absent for the reason in qProblem.
    std::optional<double> q;
    QProblem qProblem = QProblem::None;
};

enum class SweepEdge { Lower, Upper };

// The lowest SWR of a stretch lies at the sweep's first or last sample: no dip, the SWR may
// fall further beyond the sweep.
struct SwrAtEdge {
    SweepEdge edge = SweepEdge::Lower;
    AntennaSample sample;
};

// Each stretch where the SWR is below `swrLimit`, by its lowest point: the dips (lowest point
// inside the sweep) deepest first, the lower frequency first among equals, and the stretches
// whose lowest point is at an edge of the sweep. With converter noise (its size estimated from
// the return loss, NoiseSigma) a stretch ends only where the SWR rises above the limit by more
// than three deviations of the noise, and counts only when its bottom lies that far below the
// limit: noise on a flank makes no dips. A limit of 1 or less finds nothing.
struct SwrLows {
    std::vector<SwrDip> dips;
    std::vector<SwrAtEdge> atEdges;
};
SwrLows FindSwrLows(const std::vector<AntennaSample>& samples, double swrLimit);

// At most `maxDips` of the dips of FindSwrLows (none for 0 or less).
std::vector<SwrDip> FindSwrDips(const std::vector<AntennaSample>& samples, double swrLimit,
                                int maxDips);

// The lowest SWR of the whole sweep when it lies at an edge of it.
std::optional<SwrAtEdge> LowestSwrAtEdge(const std::vector<AntennaSample>& samples);

}  // namespace ravemo
