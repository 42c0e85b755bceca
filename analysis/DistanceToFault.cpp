#include "analysis/DistanceToFault.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

#include "analysis/CableLength.h"
#include "analysis/Fft.h"

namespace ravemo {
namespace {

// Zero padding: four response points per unwindowed resolution cell, so peaks are found
// before they are refined.
constexpr std::size_t kPadding = 4;
// A file of millions of points is transformed on a grid of this many: a reach of tens of
// kilometres, and a transform that fits in memory.
constexpr std::size_t kMostTransformPoints = 65536;

struct EvenGrid {
    double firstHz = 0.0;
    double stepHz = 0.0;
    std::vector<double> weighted;  // Hann-windowed Re G
    double windowSum = 0.0;
};

// Re G on an even grid from the first to the last sample, linearly interpolated, windowed.
EvenGrid WindowedRealPart(const std::vector<AntennaSample>& samples) {
    EvenGrid grid;
    const std::size_t count = std::min(samples.size(), kMostTransformPoints);
    grid.firstHz = samples.front().hz;
    grid.stepHz = (samples.back().hz - samples.front().hz) / static_cast<double>(count - 1);
    grid.weighted.resize(count);
    std::size_t next = 1;
    for (std::size_t k = 0; k < count; ++k) {
        const double hz = grid.firstHz + grid.stepHz * static_cast<double>(k);
        while (next + 1 < samples.size() && samples[next].hz < hz) ++next;
        const AntennaSample& a = samples[next - 1];
        const AntennaSample& b = samples[next];
        const double share = b.hz > a.hz ? std::clamp((hz - a.hz) / (b.hz - a.hz), 0.0, 1.0) : 0.0;
        const double realPart = a.gamma.real() + share * (b.gamma.real() - a.gamma.real());
        // Never zero at the ends, so two points still carry weight.
        const double window =
            0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(k + 1) /
                                 static_cast<double>(count + 1));
        grid.weighted[k] = window * realPart;
        grid.windowSum += window;
    }
    return grid;
}

// The signed response at round-trip time `seconds`, summed directly (the phasor turned by one
// step at a time: a sine per sample would cost more than the whole transform).
double SignedResponseAt(const EvenGrid& grid, double seconds) {
    const double turn = 2.0 * std::numbers::pi * seconds;
    std::complex<double> phasor = std::polar(1.0, turn * grid.firstHz);
    const std::complex<double> step = std::polar(1.0, turn * grid.stepHz);
    std::complex<double> sum;
    for (const double weighted : grid.weighted) {
        sum += weighted * phasor;
        phasor *= step;
    }
    return 2.0 * sum.real() / grid.windowSum;
}

}  // namespace

DistanceResponse DistanceToFault(const std::vector<AntennaSample>& samples, double velocityFactor) {
    DistanceResponse response;
    if (samples.size() < 2 || samples.back().hz <= samples.front().hz) return response;
    const EvenGrid grid = WindowedRealPart(samples);
    const std::size_t size = PowerOfTwoAtLeast(kPadding * grid.weighted.size());
    std::vector<std::complex<double>> values(size);
    std::copy(grid.weighted.begin(), grid.weighted.end(), values.begin());
    InverseFftInPlace(values);

    const double metresPerSecond = velocityFactor * kSpeedOfLightMetresPerSecond / 2.0;
    const double secondsPerBin = 1.0 / (static_cast<double>(size) * grid.stepHz);
    const double spanHz = samples.back().hz - samples.front().hz;
    response.resolutionM = kHannWidening * metresPerSecond / spanHz;
    response.rangeM = metresPerSecond / (2.0 * grid.stepHz);
    const std::size_t bins = size / 2 + 1;  // up to the mirror at 1 / (2 step)
    response.distancesM.resize(bins);
    response.sizes.resize(bins);
    for (std::size_t m = 0; m < bins; ++m) {
        response.distancesM[m] = static_cast<double>(m) * secondsPerBin * metresPerSecond;
        response.sizes[m] = 2.0 * std::abs(values[m]) / grid.windowSum;
    }
    const std::vector<double>& r = response.sizes;
    for (std::size_t m = 1; m + 1 < bins; ++m) {
        if (r[m] < kSmallestFaultReflection || r[m] < r[m - 1] || r[m] <= r[m + 1]) continue;
        // A parabola through the three points puts the peak between the bins.
        const double curve = r[m - 1] - 2.0 * r[m] + r[m + 1];
        const double shift = curve < 0.0 ? 0.5 * (r[m - 1] - r[m + 1]) / curve : 0.0;
        const double height = r[m] - 0.25 * (r[m - 1] - r[m + 1]) * shift;
        const double seconds = (static_cast<double>(m) + shift) * secondsPerBin;
        const double sign = SignedResponseAt(grid, seconds) < 0.0 ? -1.0 : 1.0;
        response.peaks.push_back({seconds * metresPerSecond, sign * height});
    }
    return response;
}

}  // namespace ravemo
