#pragma once

#include <chrono>

#include "common/EventPump.h"

namespace ravemo {

// The program's pump: yield() lets Qt process pending events, at most once per millisecond.
// processEvents() costs a few microseconds even when idle and a default sweep yields about
// 250,000 times, so in between a yield only counts, and looks at the steady clock every
// kYieldsPerClockCheck-th time (reading the clock costs about as much as a whole yield's port
// work on a fast port). Input waits at most about a millisecond plus a few port sequences:
// well under a 16 ms frame.
//
// Closing: requestCancel() (from the window's close handler, which runs inside a yield) makes
// every later yield() throw SweepCancelled, so the running sweep tick ends on the spot without
// touching the port again. The flag stays set for the rest of the run.
class QtEventPump final : public EventPump {
  public:
    enum class Pace {
        Throttled,   // processEvents at most once per kMinimumInterval
        EveryYield,  // processEvents at every yield (for comparison)
    };
    static constexpr std::chrono::microseconds kMinimumInterval{1000};
    static constexpr unsigned kYieldsPerClockCheck = 8;
    // The clock the throttle reads: the steady clock, or a stand-in that a test moves on.
    using Clock = std::chrono::steady_clock::time_point (*)();
    static std::chrono::steady_clock::time_point steadyNow() {
        return std::chrono::steady_clock::now();
    }

    explicit QtEventPump(Pace pace = Pace::Throttled, Clock now = &steadyNow);

    void yield() override;

    void requestCancel() { cancelRequested_ = true; }
    bool cancelRequested() const { return cancelRequested_; }

  private:
    void processEvents();

    Pace pace_;
    Clock now_;
    bool cancelRequested_ = false;
    unsigned yieldsSinceClockCheck_ = 0;
    std::chrono::steady_clock::time_point nextProcessing_{};
};

}  // namespace ravemo
