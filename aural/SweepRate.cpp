#include "aural/SweepRate.h"

namespace ravemo {

void SweepRate::add(double seconds) {
    times_.push_back(seconds);
    while (times_.size() > 2 && seconds - times_.front() > kSweepRateWindowS) times_.pop_front();
}

std::optional<double> SweepRate::perSecond() const {
    if (times_.size() < 2) return std::nullopt;
    const double span = times_.back() - times_.front();
    if (!(span > 0.0)) return std::nullopt;
    return static_cast<double>(times_.size() - 1) / span;
}

}  // namespace ravemo
