#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "analysis/AntennaAnalysis.h"
#include "analysis/AntennaSample.h"

namespace ravemo {

// What the tuned frequency of a sweep is: an SWR dip; the lowest SWR at an edge of the sweep,
// which is no dip (the SWR may fall further outside); or, with nothing below the SWR limit, the
// lowest SWR inside the sweep.
enum class TunedFrequency { Dip, SweepEdge, LowestSwr };

using HistoryClock = std::chrono::steady_clock;

// What one sweep adds to the tuning history.
struct HistoryPoint {
    std::optional<double> resonanceHz;  // the tuned frequency; none: the sweep had no samples
    std::optional<double> lowestSwr;    // none: the sweep had no samples
    TunedFrequency kind = TunedFrequency::Dip;
    HistoryClock::time_point at{};  // when the sweep was added to the history
};

// The point of one analysed sweep: the lowest SWR of its samples, and the frequency the user is
// tuning: the dip (or edge) the trim advice is based on when a target was given (so the history
// follows what the advice is about), else the deepest dip, else the sweep's lowest SWR.
HistoryPoint HistoryPointOf(const AntennaSamples& set, const AntennaAnalysis& analysis);

// How far back the history reaches: long enough for a ham to walk to the antenna, trim it and
// come back to the screen.
inline constexpr std::chrono::minutes kHistorySpan{30};
// The history keeps one point, the latest, per slot of this length: at most kHistorySlots
// points (plus one) whatever the sweep rate, so its memory and its painting stay bounded.
inline constexpr std::chrono::seconds kHistorySlot{3};
inline constexpr std::size_t kHistorySlots =
    std::chrono::duration_cast<std::chrono::seconds>(kHistorySpan) / kHistorySlot;

// The points of the last kHistorySpan, oldest first, one per kHistorySlot of the clock (a
// later sweep in the same slot replaces the earlier one). The window adds one per sweep and
// clears it when the sweep limits change. The clock is injected so that tests control time.
class TuningHistory {
  public:
    using Clock = std::function<HistoryClock::time_point()>;
    explicit TuningHistory(Clock clock = &HistoryClock::now) : clock_(std::move(clock)) {}

    // Stamps the point with the clock's time, then drops what has grown older than the span.
    void add(HistoryPoint point);
    void clear() { points_.clear(); }
    std::span<const HistoryPoint> points() const { return points_; }

  private:
    Clock clock_;
    std::vector<HistoryPoint> points_;
};

}  // namespace ravemo
