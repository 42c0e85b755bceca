#include "analysis/CableLoss.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/AmateurBands.h"
#include "common/FeedlineCatalogue.h"
#include "common/Units.h"

namespace ravemo {
namespace {

constexpr int kFallbackFrequencies = 5;
constexpr int kComparedFrequencies = 50;
constexpr double kMetresPerHundred = 100.0;

bool HasLoss(const AntennaSample& s) { return std::isfinite(s.returnLossDb); }

// Least squares of y = a x1 + b x2 through the origin, a and b at or above 0.
std::optional<LossFit> FitTwo(const std::vector<double>& x1, const std::vector<double>& x2,
                              const std::vector<double>& y) {
    double s11 = 0.0, s12 = 0.0, s22 = 0.0, s1y = 0.0, s2y = 0.0;
    for (std::size_t i = 0; i < y.size(); ++i) {
        s11 += x1[i] * x1[i];
        s12 += x1[i] * x2[i];
        s22 += x2[i] * x2[i];
        s1y += x1[i] * y[i];
        s2y += x2[i] * y[i];
    }
    if (s11 <= 0.0 || s22 <= 0.0) return std::nullopt;
    const double determinant = s11 * s22 - s12 * s12;
    if (determinant > 0.0) {
        const double a = (s1y * s22 - s2y * s12) / determinant;
        const double b = (s2y * s11 - s1y * s12) / determinant;
        if (a >= 0.0 && b >= 0.0) return LossFit{a, b};
    }
    // One term alone, whichever fits better: a negative coefficient is no loss a cable has.
    const double a = std::max(0.0, s1y / s11);
    const double b = std::max(0.0, s2y / s22);
    double errorA = 0.0, errorB = 0.0;
    for (std::size_t i = 0; i < y.size(); ++i) {
        errorA += std::pow(y[i] - a * x1[i], 2);
        errorB += std::pow(y[i] - b * x2[i], 2);
    }
    return errorA <= errorB ? LossFit{a, 0.0} : LossFit{0.0, b};
}

}  // namespace

double LossFit::lossDb(double hz) const {
    const double mhz = hz / kHzPerMHz;
    return sqrtCoefficient * std::sqrt(mhz) + linearCoefficient * mhz;
}

std::vector<LossAtFrequency> CableLossPerBand(const std::vector<AntennaSample>& samples,
                                              int region) {
    std::vector<LossAtFrequency> losses;
    for (const AmateurBand& band : AmateurBandsOf(region)) {
        double hzSum = 0.0;
        double lossSum = 0.0;
        int count = 0;
        for (const AntennaSample& s : samples) {
            if (s.hz < band.lowHz || s.hz > band.highHz || !HasLoss(s)) continue;
            hzSum += s.hz;
            lossSum += s.returnLossDb / 2.0;
            ++count;
        }
        if (count > 0) losses.push_back({band.name, hzSum / count, lossSum / count});
    }
    if (!losses.empty() || samples.empty()) return losses;
    for (int i = 0; i < kFallbackFrequencies; ++i) {
        const double hz = samples.front().hz +
                          (samples.back().hz - samples.front().hz) * i / (kFallbackFrequencies - 1);
        const auto nearest = std::min_element(
            samples.begin(), samples.end(), [hz](const AntennaSample& a, const AntennaSample& b) {
                return !HasLoss(b) || (HasLoss(a) && std::fabs(a.hz - hz) < std::fabs(b.hz - hz));
            });
        if (HasLoss(*nearest))
            losses.push_back({nullptr, nearest->hz, nearest->returnLossDb / 2.0});
    }
    return losses;
}

std::optional<LossFit> FitCableLoss(const std::vector<AntennaSample>& samples) {
    std::vector<double> roots, mhzs, losses;
    for (const AntennaSample& s : samples) {
        if (!HasLoss(s) || s.hz <= 0.0) continue;
        const double mhz = s.hz / kHzPerMHz;
        roots.push_back(std::sqrt(mhz));
        mhzs.push_back(mhz);
        losses.push_back(s.returnLossDb / 2.0);
    }
    return FitTwo(roots, mhzs, losses);
}

LossPer100m LossPerHundredMetres(const LossFit& whole, double lengthM, double lowHz,
                                 double highHz) {
    LossPer100m per;
    const double scale = kMetresPerHundred / lengthM;
    per.fit = {whole.sqrtCoefficient * scale, whole.linearCoefficient * scale};
    double best = std::numeric_limits<double>::infinity();
    for (const FeedlineType& type : FeedlineCatalogue()) {
        double squares = 0.0;
        for (int i = 0; i < kComparedFrequencies; ++i) {
            const double hz = lowHz + (highHz - lowHz) * i / (kComparedFrequencies - 1);
            squares += std::pow(type.lossDbPer100m(hz) - per.fit.lossDb(hz), 2);
        }
        if (squares < best) {
            best = squares;
            per.nearestType = type.name;
            per.nearestDescription = type.description;
        }
    }
    return per;
}

}  // namespace ravemo
