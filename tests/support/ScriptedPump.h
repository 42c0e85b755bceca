#pragma once

#include <functional>
#include <map>
#include <utility>

#include "common/EventPump.h"

namespace ravemo::test {

// An event pump for tests: counts the yields and runs scripted actions at chosen ones, which is
// how "a click between two bits" is simulated. Yields are numbered from 1: atYield(1, f) runs f
// at the first yield. Several actions may share a yield; they run in the order given.
class ScriptedPump final : public EventPump {
  public:
    void yield() override {
        ++count_;
        const auto [first, last] = actions_.equal_range(count_);
        for (auto it = first; it != last; ++it) it->second();
        if (everyYield_) everyYield_(count_);
    }

    // Number of yields so far.
    int count() const { return count_; }

    // Runs `action` at the k-th yield (k counted from 1).
    void atYield(int k, std::function<void()> action) { actions_.emplace(k, std::move(action)); }
    // Runs `action(k)` at every yield, after any action scripted for that yield.
    void atEveryYield(std::function<void(int)> action) { everyYield_ = std::move(action); }

  private:
    int count_ = 0;
    std::multimap<int, std::function<void()>> actions_;
    std::function<void(int)> everyYield_;
};

}  // namespace ravemo::test
