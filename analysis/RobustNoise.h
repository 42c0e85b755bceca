#pragma once

#include <vector>

namespace ravemo {

// The standard deviation of the noise on a sampled curve, from the median of its second
// differences: a smooth curve's are small beside the noise's, so the curve's own shape barely
// counts, and the median ignores the few large ones of a sharp notch. Values that are not finite
// are left out; fewer than three values give 0.
double NoiseSigma(const std::vector<double>& values);

}  // namespace ravemo
