#include "analysis/Fft.h"

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
    for (std::size_t span = 2; span <= size; span *= 2) {
        const double angle = 2.0 * std::numbers::pi / static_cast<double>(span);
        const std::complex<double> step(std::cos(angle), std::sin(angle));
        for (std::size_t start = 0; start < size; start += span) {
            std::complex<double> twiddle(1.0, 0.0);
            for (std::size_t k = 0; k < span / 2; ++k) {
                const std::complex<double> even = values[start + k];
                const std::complex<double> odd = values[start + k + span / 2] * twiddle;
                values[start + k] = even + odd;
                values[start + k + span / 2] = even - odd;
                twiddle *= step;
            }
        }
    }
}

}  // namespace ravemo
