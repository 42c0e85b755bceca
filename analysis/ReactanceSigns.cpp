#include "analysis/ReactanceSigns.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace ravemo {
namespace {

using SampleIterator = std::vector<AntennaSample>::iterator;

void GiveSign(SampleIterator begin, SampleIterator end, double sign) {
    for (auto it = begin; it != end; ++it) it->xs = std::copysign(it->xs, sign);
}

// Sign of the least-squares slope of |X| over frequency; flat counts as rising.
double TrendSign(const std::vector<AntennaSample>& samples) {
    double meanHz = 0.0;
    double meanX = 0.0;
    for (const AntennaSample& s : samples) {
        meanHz += s.hz;
        meanX += std::fabs(s.xs);
    }
    const auto count = static_cast<double>(samples.size());
    meanHz /= count;
    meanX /= count;
    double covariance = 0.0;
    for (const AntennaSample& s : samples) {
        covariance += (s.hz - meanHz) * (std::fabs(s.xs) - meanX);
    }
    return covariance < 0.0 ? -1.0 : 1.0;
}

double SignAfter(ResonanceKind kind) { return kind == ResonanceKind::Series ? 1.0 : -1.0; }
double SignBefore(ResonanceKind kind) { return -SignAfter(kind); }

bool LowerZ(const AntennaSample& a, const AntennaSample& b) { return a.z < b.z; }

}  // namespace

void AssignEstimatedSigns(std::vector<AntennaSample>& samples,
                          const std::vector<Resonance>& zeros) {
    if (samples.empty()) return;
    if (zeros.empty()) {
        GiveSign(samples.begin(), samples.end(), TrendSign(samples));
        return;
    }
    auto begin = samples.begin();
    for (std::size_t j = 0; j <= zeros.size(); ++j) {
        const auto end = j == zeros.size()
                             ? samples.end()
                             : std::find_if(begin, samples.end(), [&](const AntennaSample& s) {
                                   return s.hz >= zeros[j].hz;
                               });
        // +1 or -1 as the zero below or above implies; 0 where there is none.
        const double after = j > 0 ? SignAfter(zeros[j - 1].kind) : 0.0;
        const double before = j < zeros.size() ? SignBefore(zeros[j].kind) : 0.0;
        if (after != 0.0 && before != 0.0 && after != before && begin != end) {
            const auto turn = after > 0.0 ? std::max_element(begin, end, LowerZ)
                                          : std::min_element(begin, end, LowerZ);
            GiveSign(begin, turn, after);
            GiveSign(turn, end, before);
        } else {
            GiveSign(begin, end, after != 0.0 ? after : before);
        }
        begin = end;
    }
}

}  // namespace ravemo
