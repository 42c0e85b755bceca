#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "analysis/AntennaAnalysis.h"
#include "analysis/AntennaSample.h"

namespace ravemo {

// What the tuned frequency of a sweep is: a series resonance, or, when the sweep has none, the
// bottom of its SWR curve (the deepest dip, or the lowest SWR when nothing dips below the limit).
enum class TunedFrequency { Resonance, DipBottom };

// What one sweep adds to the tuning history.
struct HistoryPoint {
    std::optional<double> resonanceHz;  // the tuned frequency; none: the sweep had no samples
    std::optional<double> lowestSwr;    // none: the sweep had no samples
    TunedFrequency kind = TunedFrequency::Resonance;
};

// The point of one analysed sweep: the lowest SWR of its samples, and the frequency the user is
// tuning: the resonance of the trim advice when a target was given (so the history follows
// what the advice is about), else the series resonance nearest the bottom of the SWR curve,
// else that bottom itself.
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
