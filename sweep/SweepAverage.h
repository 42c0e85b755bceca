#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "sweep/SweepData.h"

namespace ravemo {

// The depths the averaging offers: the last 1 (no averaging), 2, 4, 8 or 16 sweeps.
inline constexpr std::array<int, 5> kAverageDepths = {1, 2, 4, 8, 16};
bool IsAverageDepth(int depth);

// Point-by-point average of the last `depth` sweeps' raw readings (return-loss and phase
// counts, as floats), kept where everything reads the sweep: after each sweep the arrays are
// given to fold(), which keeps their raw readings and writes the average back in their place,
// so the curves, markers, windows, saves and exports all see the same averaged data.
//
// The average starts again by itself when a sweep's words differ from the previous one's (new
// limits, Full Sweep, a point not measured), and on restart() when the arrays stop holding new
// readings of the same points (Hold, a file opened).
//
// The phase converter reads |phase|: near 0 and 180 degrees the noise folds back into the
// scale, so the average of |phase| is biased away from those ends. The return loss has no such
// fold inside the scale.
class SweepAverage {
  public:
    // Sets the depth (one of kAverageDepths, else 1) and starts again.
    void setDepth(int depth);
    int depth() const { return depth_; }
    // How many sweeps the average now holds, 0 to depth.
    int count() const { return count_; }
    void restart();

    // Folds the sweep now in `data` (raw readings) into the average and writes the average of
    // the last depth() sweeps back into data's readings.
    void fold(SweepData& data);

  private:
    struct Readings {
        std::vector<float> returnLoss;
        std::vector<float> phase;
    };

    int depth_ = 1;
    int count_ = 0;
    std::size_t next_ = 0;  // the slot of the ring the next sweep goes to
    std::vector<Readings> ring_;
    std::vector<double> words_;  // the words of the sweeps in the average
    std::vector<double> returnLossSum_;
    std::vector<double> phaseSum_;
};

}  // namespace ravemo
