#include "analysis/ReactanceZeros.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>

namespace ravemo {
namespace {

// A minimum of |Im G| counts when |Im G| rises on both sides to at least twice the minimum and
// by at least this much. One converter step moves |Im G| by at most 0.003 (phase) or 0.7 % of
// itself (return loss), so the steps make no zero; a noisy dip far from a zero rises by much
// less than the dip's own value.
constexpr double kZeroRise = 0.02;
// ... and when |X| reaches this share of |Z| on both sides before |Im G| falls below the
// minimum again. A match below the bridge's -30 dB floor keeps |X| under 7 % of |Z|, so the
// wandering phase of a matched load makes no zero.
constexpr double kZeroReactanceShare = 0.25;
// |Z| is compared where |Im G| has risen this far (or as far as it goes before falling).
constexpr double kKindRise = 0.3;

// |Im G| is averaged over 2 k + 1 samples, k = sample count / this: noise averages out in a
// dense sweep, a coarse one keeps its every sample.
constexpr std::size_t kSamplesPerSmoothingStep = 600;

enum class Direction { kDown, kUp };
constexpr Direction kDown = Direction::kDown;
constexpr Direction kUp = Direction::kUp;

std::size_t Next(std::size_t i, Direction d) { return d == kDown ? i - 1 : i + 1; }

class ZeroFinder {
  public:
    explicit ZeroFinder(const std::vector<AntennaSample>& samples) : samples_(samples) {
        // Running sums of |Im G| give the moving average in one pass.
        std::vector<double> sums(samples.size() + 1, 0.0);
        for (std::size_t i = 0; i < samples.size(); ++i) {
            sums[i + 1] = sums[i] + std::fabs(samples[i].gamma.imag());
        }
        const std::size_t reach = samples.size() / kSamplesPerSmoothingStep;
        w_.resize(samples.size());
        for (std::size_t i = 0; i < samples.size(); ++i) {
            const std::size_t from = i > reach ? i - reach : 0;
            const std::size_t to = std::min(i + reach + 1, samples.size());
            w_[i] = (sums[to] - sums[from]) / static_cast<double>(to - from);
        }
    }

    std::vector<Resonance> find() const {
        std::vector<Resonance> zeros;
        const std::size_t n = w_.size();
        // A run of equal values lower than both neighbours; runs touching an end never count.
        for (std::size_t first = 1; first + 1 < n;) {
            std::size_t last = first;
            while (last + 1 < n && w_[last + 1] == w_[first]) ++last;
            if (w_[first - 1] > w_[first] && last + 1 < n && w_[last + 1] > w_[first]) {
                if (const std::optional<Resonance> zero = zeroAt(first, last)) {
                    zeros.push_back(*zero);
                }
            }
            first = last + 1;
        }
        return zeros;
    }

  private:
    bool atEnd(std::size_t i, Direction d) const {
        return d == kDown ? i == 0 : i + 1 == w_.size();
    }

    // One step of a walk from a minimum at `bottom` towards `target`: true once it arrives,
    // false (with `failed` set) when |Im G| first falls below the minimum, or to it when
    // `stopAtEqual`, or the sweep ends.
    bool stepToward(std::size_t& i, Direction d, double target, double bottom, bool stopAtEqual,
                    bool& failed) const {
        if (atEnd(i, d)) {
            failed = true;
            return false;
        }
        i = Next(i, d);
        if (w_[i] >= target) return true;
        failed = w_[i] < bottom || (stopAtEqual && w_[i] == bottom);
        return false;
    }

    // Whether |Im G| rises to `target` on both sides of the run first..last. Both sides are
    // walked in step, so a minimum that is only a ripple on a slope is given up as soon as its
    // lower side shows. Of equal minima in one basin only the first counts: the downward walk
    // stops at an equal value, the upward one only at a lower one.
    bool risesOnBothSides(std::size_t first, std::size_t last, double target, double bottom) const {
        std::size_t down = first;
        std::size_t up = last;
        bool downArrived = false;
        bool upArrived = false;
        bool failed = false;
        while (!failed && !(downArrived && upArrived)) {
            if (!downArrived) downArrived = stepToward(down, kDown, target, bottom, true, failed);
            if (!upArrived && !failed) {
                upArrived = stepToward(up, kUp, target, bottom, false, failed);
            }
        }
        return !failed;
    }

    // The largest |X| / |Z| beyond `from` before |Im G| falls below `bottom` or the sweep ends.
    double largestReactanceShare(std::size_t from, Direction d, double bottom) const {
        double largest = 0.0;
        for (std::size_t i = from; !atEnd(i, d);) {
            i = Next(i, d);
            if (w_[i] < bottom) break;
            const AntennaSample& s = samples_[i];
            if (s.z > 0.0) largest = std::max(largest, std::fabs(s.xs) / s.z);
        }
        return largest;
    }

    // The highest |Im G| on the way to `target`, before it falls below `bottom` or the sweep ends.
    std::size_t highestToward(std::size_t from, Direction d, double target, double bottom) const {
        std::size_t best = from;
        for (std::size_t i = from; !atEnd(i, d);) {
            i = Next(i, d);
            if (w_[i] < bottom) break;
            if (w_[i] > w_[best]) best = i;
            if (w_[i] >= target) break;
        }
        return best;
    }

    // Frequency where |Im G| first reaches `level` beyond `from`, linear between two samples.
    // The caller has made sure it does.
    double crossingHz(std::size_t from, Direction d, double level) const {
        std::size_t inside = from;
        std::size_t outside = Next(from, d);
        while (w_[outside] < level) {
            inside = outside;
            outside = Next(outside, d);
        }
        const double t = (level - w_[inside]) / (w_[outside] - w_[inside]);
        return samples_[inside].hz + (samples_[outside].hz - samples_[inside].hz) * t;
    }

    double rsAt(double hz) const {
        std::size_t above = 1;
        while (above + 1 < samples_.size() && samples_[above].hz < hz) ++above;
        const AntennaSample& a = samples_[above - 1];
        const AntennaSample& b = samples_[above];
        const double t = (hz - a.hz) / (b.hz - a.hz);
        return a.rs + (b.rs - a.rs) * t;
    }

    std::optional<Resonance> zeroAt(std::size_t first, std::size_t last) const {
        const double bottom = w_[first];
        const double target = std::max(bottom + kZeroRise, 2.0 * bottom);
        if (!risesOnBothSides(first, last, target, bottom) ||
            largestReactanceShare(first, kDown, bottom) < kZeroReactanceShare ||
            largestReactanceShare(last, kUp, bottom) < kZeroReactanceShare) {
            return std::nullopt;
        }
        // Midway between the crossings of a low level: the middle of a flat bottom.
        const double level = (bottom + target) / 2.0;
        const double hz = (crossingHz(first, kDown, level) + crossingHz(last, kUp, level)) / 2.0;
        const double zHere = samples_[first + (last - first) / 2].z;
        const double zBelow = samples_[highestToward(first, kDown, bottom + kKindRise, bottom)].z;
        const double zAbove = samples_[highestToward(last, kUp, bottom + kKindRise, bottom)].z;
        const bool series = zHere < std::sqrt(zBelow) * std::sqrt(zAbove);
        return Resonance{hz, rsAt(hz), series ? ResonanceKind::Series : ResonanceKind::Parallel};
    }

    const std::vector<AntennaSample>& samples_;
    std::vector<double> w_;  // |Im G| of each sample
};

}  // namespace

std::vector<Resonance> EstimateReactanceZeros(const std::vector<AntennaSample>& samples) {
    return ZeroFinder(samples).find();
}

}  // namespace ravemo
