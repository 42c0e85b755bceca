#pragma once

#include <complex>
#include <vector>

namespace ravemo {

// An in-place radix-2 transform, y[m] = sum over k of x[k] exp(+j 2 pi k m / M): the inverse
// transform without its 1 / M. `values.size()` must be a power of two (1 is fine). Small and
// ours, so the analysis needs no FFT library.
void InverseFftInPlace(std::vector<std::complex<double>>& values);

// The smallest power of two at least `count` (1 for 0).
std::size_t PowerOfTwoAtLeast(std::size_t count);

}  // namespace ravemo
