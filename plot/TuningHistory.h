#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "analysis/AntennaAnalysis.h"
#include "analysis/AntennaSample.h"

namespace ravemo {

// What the tuned frequency of a sweep is: an SWR dip; the lowest SWR at an edge of the sweep,
// which is no dip (the SWR may fall further outside); or, with nothing below the SWR limit, the
// lowest SWR inside the sweep.
enum class TunedFrequency { Dip, SweepEdge, LowestSwr };

// What one sweep adds to the tuning history.
struct HistoryPoint {
    std::optional<double> resonanceHz;  // the tuned frequency; none: the sweep had no samples
    std::optional<double> lowestSwr;    // none: the sweep had no samples
    TunedFrequency kind = TunedFrequency::Dip;
};

// The point of one analysed sweep: the lowest SWR of its samples, and the frequency the user is
// tuning: the dip (or edge) the trim advice is based on when a target was given (so the history
// follows what the advice is about), else the deepest dip, else the sweep's lowest SWR.
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
