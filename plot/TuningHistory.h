#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "analysis/AntennaAnalysis.h"
#include "analysis/AntennaSample.h"

namespace ravemo {

// What one sweep adds to the tuning history.
struct HistoryPoint {
    std::optional<double> resonanceHz;  // none: the sweep had no resonance (a gap)
    std::optional<double> lowestSwr;    // none: the sweep had no samples
};

// The point of one analysed sweep: the lowest SWR of its samples, and the resonance the user is
// tuning: the one of the trim advice when a target was given, else the resonance nearest the
// deepest dip, else the first series resonance, else the first of any kind.
HistoryPoint HistoryPointOf(const AntennaSamples& set, const AntennaAnalysis& analysis);

inline constexpr std::size_t kHistoryLength = 200;

// The last kHistoryLength points, oldest first. The window adds one per sweep and clears it
// when the sweep limits change.
class TuningHistory {
  public:
    void add(const HistoryPoint& point);
    void clear() { points_.clear(); }
    std::span<const HistoryPoint> points() const { return points_; }

  private:
    std::vector<HistoryPoint> points_;
};

}  // namespace ravemo
