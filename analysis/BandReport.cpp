#include "analysis/BandReport.h"

#include <algorithm>
#include <cstddef>

#include "analysis/LowestSwr.h"
#include "analysis/SwrDips.h"

namespace ravemo {

std::vector<BandCoverage> ReportBands(const std::vector<AntennaSample>& samples, int region) {
    std::vector<BandCoverage> report;
    if (samples.empty()) return report;
    const double sweepLowHz = samples.front().hz;
    const double sweepHighHz = samples.back().hz;
    for (const AmateurBand& band : AmateurBandsOf(region)) {
        const double overlapHz =
            std::min(band.highHz, sweepHighHz) - std::max(band.lowHz, sweepLowHz);
        if (!(overlapHz > 0.0)) continue;
        BandCoverage coverage{band, std::nullopt, std::nullopt, std::nullopt,
                              overlapHz / (band.highHz - band.lowHz)};
        const auto first =
            std::lower_bound(samples.begin(), samples.end(), band.lowHz,
                             [](const AntennaSample& s, double hz) { return s.hz < hz; });
        const auto end =
            std::upper_bound(first, samples.end(), band.highHz,
                             [](double hz, const AntennaSample& s) { return hz < s.hz; });
        if (first != end) {
            const auto firstIndex = static_cast<std::size_t>(first - samples.begin());
            const auto lastIndex = static_cast<std::size_t>(end - samples.begin()) - 1;
            const AntennaSample& lowest = samples[LowestSwrIndex(samples, firstIndex, lastIndex)];
            coverage.minSwr = lowest.swr;
            coverage.minSwrHz = lowest.hz;
            const auto below = std::count_if(
                first, end, [](const AntennaSample& s) { return s.swr < kSwrTwoToOne; });
            coverage.below2Fraction = static_cast<double>(below) / static_cast<double>(end - first);
        }
        report.push_back(coverage);
    }
    return report;
}

}  // namespace ravemo
