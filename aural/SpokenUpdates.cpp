#include "aural/SpokenUpdates.h"

#include <cmath>

namespace ravemo {

bool SpokenUpdates::due(std::optional<double> dipHz) const {
    if (!spokenBefore_) return true;
    if (dipHz.has_value() != lastHz_.has_value()) return true;
    return dipHz && std::fabs(*dipHz - *lastHz_) > stepHz_;
}

void SpokenUpdates::spoken(std::optional<double> dipHz) {
    spokenBefore_ = true;
    lastHz_ = dipHz;
}

}  // namespace ravemo
