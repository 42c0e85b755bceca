#include "sweep/SweepAverage.h"

#include <algorithm>
#include <cmath>

namespace ravemo {
namespace {

// Words equal, the not-measured mark (NaN) equal to itself.
bool sameWords(const std::vector<double>& a, const std::vector<double>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](double x, double y) {
        return x == y || (std::isnan(x) && std::isnan(y));
    });
}

}  // namespace

bool IsAverageDepth(int depth) {
    return std::find(kAverageDepths.begin(), kAverageDepths.end(), depth) != kAverageDepths.end();
}

void SweepAverage::setDepth(int depth) {
    depth_ = IsAverageDepth(depth) ? depth : 1;
    restart();
}

void SweepAverage::restart() {
    count_ = 0;
    next_ = 0;
    ring_.clear();
    words_.clear();
    returnLossSum_.clear();
    phaseSum_.clear();
}

void SweepAverage::fold(SweepData& data) {
    if (depth_ == 1) return;  // the readings are their own average: nothing to keep
    if (count_ > 0 && !sameWords(words_, data.DdsWords)) restart();
    const std::size_t points = data.DdsWords.size();
    if (count_ == 0) {
        words_ = data.DdsWords;
        ring_.assign(static_cast<std::size_t>(depth_), {});
        returnLossSum_.assign(points, 0.0);
        phaseSum_.assign(points, 0.0);
    }
    Readings& slot = ring_[next_];
    if (count_ == depth_) {  // the oldest sweep leaves the average
        for (std::size_t i = 0; i < points; ++i) {
            returnLossSum_[i] -= slot.returnLoss[i];
            phaseSum_[i] -= slot.phase[i];
        }
    } else {
        ++count_;
    }
    slot.returnLoss = data.ReturnLossSamples;
    slot.phase = data.PhaseSamples;
    next_ = (next_ + 1) % static_cast<std::size_t>(depth_);
    const double share = 1.0 / count_;
    for (std::size_t i = 0; i < points; ++i) {
        returnLossSum_[i] += slot.returnLoss[i];
        phaseSum_[i] += slot.phase[i];
        data.ReturnLossSamples[i] = static_cast<float>(returnLossSum_[i] * share);
        data.PhaseSamples[i] = static_cast<float>(phaseSum_[i] * share);
    }
}

}  // namespace ravemo
