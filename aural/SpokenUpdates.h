#pragma once

#include <optional>

namespace ravemo {

// When spoken updates speak again: the first time, when the dip spoken of appears or vanishes,
// and when it has moved by more than `stepHz` from where it was last spoken of.
class SpokenUpdates {
  public:
    explicit SpokenUpdates(double stepHz) : stepHz_(stepHz) {}
    void setStepHz(double stepHz) { stepHz_ = stepHz; }
    // Whether a sweep whose dip lies at `dipHz` (none: no dip) is to be spoken of.
    bool due(std::optional<double> dipHz) const;
    // It was spoken of.
    void spoken(std::optional<double> dipHz);
    // Speak at the next sweep (updates were turned on).
    void restart() { spokenBefore_ = false; }

  private:
    double stepHz_;
    bool spokenBefore_ = false;
    std::optional<double> lastHz_;
};

}  // namespace ravemo
