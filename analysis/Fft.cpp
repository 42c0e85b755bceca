#include "analysis/Fft.h"

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <utility>

namespace ravemo {

std::size_t PowerOfTwoAtLeast(std::size_t count) {
    std::size_t size = 1;
    while (size < count) size *= 2;
    return size;
}

void InverseFftInPlace(std::vector<std::complex<double>>& values) {
    const std::size_t size = values.size();
    if (size == 0 || (size & (size - 1)) != 0) {
        throw std::invalid_argument("InverseFftInPlace needs a power-of-two length");
    }
    // Bit-reversed order first, then butterflies of doubling span.
    for (std::size_t i = 1, j = 0; i < size; ++i) {
        std::size_t bit = size >> 1U;
        for (; (j & bit) != 0; bit >>= 1U) j ^= bit;
        j |= bit;
        if (i < j) std::swap(values[i], values[j]);
    }
    // One table of turns for every stage; products written out, since std::complex's
    // operator* checks for infinities and costs several times more.
    std::vector<double> cosines(size / 2);
    std::vector<double> sines(size / 2);
    for (std::size_t k = 0; k < size / 2; ++k) {
        const double angle =
            2.0 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(size);
        cosines[k] = std::cos(angle);
        sines[k] = std::sin(angle);
    }
    for (std::size_t span = 2; span <= size; span *= 2) {
        const std::size_t stride = size / span;
        for (std::size_t start = 0; start < size; start += span) {
            for (std::size_t k = 0; k < span / 2; ++k) {
                const double c = cosines[k * stride];
                const double s = sines[k * stride];
                std::complex<double>& low = values[start + k];
                std::complex<double>& high = values[start + k + span / 2];
                const double oddRe = high.real() * c - high.imag() * s;
                const double oddIm = high.real() * s + high.imag() * c;
                high = {low.real() - oddRe, low.imag() - oddIm};
                low = {low.real() + oddRe, low.imag() + oddIm};
            }
        }
    }
}

}  // namespace ravemo
