#pragma once

#include <deque>
#include <optional>

namespace ravemo {

// How many sweeps a second the measurement makes, from the times the latest sweeps finished:
// the sweeps of the last kSweepRateWindowS seconds.
inline constexpr double kSweepRateWindowS = 2.0;

class SweepRate {
  public:
    // A sweep finished at `seconds` (a steady clock; not earlier than the one before).
    void add(double seconds);
    // None until two sweeps fall in the window.
    std::optional<double> perSecond() const;
    void clear() { times_.clear(); }

  private:
    std::deque<double> times_;
};

}  // namespace ravemo
