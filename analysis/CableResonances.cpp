#include "analysis/CableResonances.h"

#include <algorithm>
#include <cmath>

namespace ravemo {
namespace {

// cos(phase): +1 where the line looks open, -1 where it looks shorted.
double PhaseCosine(const AntennaSample& s) {
    const double size = std::abs(s.gamma);
    return size > 0.0 ? s.gamma.real() / size : 0.0;
}

// The resonance within a run of samples near 0 or 180 degrees: where |sin(phase)| is least,
// or the middle of the run where several samples tie (a quantised phase).
double RunCentreHz(const std::vector<AntennaSample>& samples, std::size_t first, std::size_t last) {
    double least = 2.0;
    for (std::size_t i = first; i <= last; ++i) {
        least = std::min(least, std::fabs(std::sin(std::arg(samples[i].gamma))));
    }
    double sum = 0.0;
    int count = 0;
    for (std::size_t i = first; i <= last; ++i) {
        if (std::fabs(std::sin(std::arg(samples[i].gamma))) <= least + 1e-9) {
            sum += samples[i].hz;
            ++count;
        }
    }
    return sum / count;
}

std::optional<double> FitQuarterWave(const std::vector<double>& hz) {
    if (hz.size() < 2) return std::nullopt;
    std::vector<double> gaps;
    for (std::size_t i = 1; i < hz.size(); ++i) gaps.push_back(hz[i] - hz[i - 1]);
    std::nth_element(gaps.begin(), gaps.begin() + static_cast<std::ptrdiff_t>(gaps.size() / 2),
                     gaps.end());
    const double spacing = gaps[gaps.size() / 2];
    if (spacing <= 0.0) return std::nullopt;
    double products = 0.0;
    double squares = 0.0;
    for (const double f : hz) {
        const double n = std::max(1.0, std::round(f / spacing));
        products += n * f;
        squares += n * n;
    }
    return products / squares;
}

}  // namespace

LineResonances FindLineResonances(const std::vector<AntennaSample>& samples) {
    LineResonances found;
    std::optional<std::size_t> runStart;
    double runSign = 0.0;
    double lastSign = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double c = PhaseCosine(samples[i]);
        if (!runStart) {
            if (std::fabs(c) >= kResonanceEnterCos) {
                runStart = i;
                runSign = c > 0.0 ? 1.0 : -1.0;
            }
            continue;
        }
        if (c * runSign >= kResonanceLeaveCos) continue;
        // A run that starts at the first sample may have begun before the sweep: its centre
        // is unknown. Two runs of one sign in a row are one resonance broken by noise.
        if (*runStart > 0 && runSign != lastSign) {
            found.hz.push_back(RunCentreHz(samples, *runStart, i - 1));
        }
        lastSign = runSign;
        runStart.reset();
    }
    found.quarterWaveHz = FitQuarterWave(found.hz);
    return found;
}

}  // namespace ravemo
