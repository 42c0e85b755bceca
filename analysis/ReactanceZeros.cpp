#include "analysis/ReactanceZeros.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <optional>

#include "analysis/RobustNoise.h"

namespace ravemo {
namespace {

// A minimum of |Im G| counts when |Im G| rises on both sides to at least twice the minimum and
// by at least this much. One converter step moves |Im G| by at most 0.003 (phase) or 0.7 % of
// itself (return loss), so the steps make no minimum.
constexpr double kZeroRise = 0.02;
// ... and by this many times the sweep's own noise, so converter noise makes none either.
constexpr double kNoiseRises = 6.0;
// The locus's bend is seen where |Im G| has risen this far (or as far as it goes before falling).
constexpr double kKindRise = 0.15;

// G crosses the real axis where the phase reading comes this close to 0 or 180 degrees: the
// phase converter stops 0.975 degrees short of 180, and one step is 0.175 degrees.
constexpr double kAxisDegrees = 3.0;
// ... while |G| is at least this: the return-loss converter's floor is 0.032 (30 dB), and
// below twice the floor the bridge's phase means little.
constexpr double kSmallestCrossingGamma = 0.06;
// A minimum that is no crossing may still hide one when |Im G| comes this close to zero.
constexpr double kUnclearImGamma = 0.05;
enum class Direction { kDown, kUp };
constexpr Direction kDown = Direction::kDown;
constexpr Direction kUp = Direction::kUp;

std::size_t Next(std::size_t i, Direction d) { return d == kDown ? i - 1 : i + 1; }

class ZeroFinder {
  public:
    explicit ZeroFinder(const std::vector<AntennaSample>& samples) : samples_(samples) {
        w_.resize(samples.size());
        for (std::size_t i = 0; i < samples.size(); ++i) w_[i] = std::fabs(samples[i].gamma.imag());
        noise_ = NoiseSigma(w_);
    }

    ReactanceEvidence find() const {
        ReactanceEvidence evidence;
        const std::size_t n = w_.size();
        // A run of equal values lower than both neighbours; runs touching an end never count.
        for (std::size_t first = 1; first + 1 < n;) {
            std::size_t last = first;
            while (last + 1 < n && w_[last + 1] == w_[first]) ++last;
            if (w_[first - 1] > w_[first] && last + 1 < n && w_[last + 1] > w_[first]) {
                classify(first, last, evidence);
            }
            first = last + 1;
        }
        return evidence;
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

    // Where |Im G| first reaches `target` below and above the run first..last, when it does on
    // both sides. Both sides are walked in step, so a minimum that is only a ripple on a slope
    // is given up as soon as its lower side shows. Of equal minima in one basin only the first
    // counts: the downward walk stops at an equal value, the upward one only at a lower one.
    std::optional<std::pair<std::size_t, std::size_t>> risesOnBothSides(std::size_t first,
                                                                        std::size_t last,
                                                                        double target,
                                                                        double bottom) const {
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
        if (failed) return std::nullopt;
        return std::pair{down, up};
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

    double rsAt(double hz) const {
        std::size_t above = 1;
        while (above + 1 < samples_.size() && samples_[above].hz < hz) ++above;
        const AntennaSample& a = samples_[above - 1];
        const AntennaSample& b = samples_[above];
        const double t = (hz - a.hz) / (b.hz - a.hz);
        return a.rs + (b.rs - a.rs) * t;
    }

    // How close to zero |Im G| may come at a crossing of the real axis by `gammaMagnitude`: the
    // phase's own resolution, the noise, and half the steepest rise over two samples out of the
    // bottom. A coarse sweep samples a crossing between two points: the V's arms rise by d a
    // sample from zero, the bottom sample lies at t d (t <= 1/2) and the one two samples beyond
    // it across the crossing at (2 - t) d, so the bottom is never above half that rise.
    double crossingAllowance(std::size_t first, std::size_t last, double gammaMagnitude) const {
        const double bottom = w_[first];
        const double below = w_[first >= 2 ? first - 2 : first - 1];
        const double above = w_[last + 2 < w_.size() ? last + 2 : last + 1];
        const double steepest = std::max(below, above) - bottom;
        return std::max(
            gammaMagnitude * std::sin(kAxisDegrees / 180.0 * std::numbers::pi) + 3.0 * noise_,
            steepest / 2.0);
    }

    void classify(std::size_t first, std::size_t last, ReactanceEvidence& evidence) const {
        const double bottom = w_[first];
        const double target =
            std::max(bottom + std::max(kZeroRise, kNoiseRises * noise_), 2.0 * bottom);
        const auto reach = risesOnBothSides(first, last, target, bottom);
        if (!reach) return;
        const std::size_t middle = first + (last - first) / 2;
        const double gammaMagnitude = std::abs(samples_[middle].gamma);
        const double allowance = crossingAllowance(first, last, gammaMagnitude);
        if (bottom <= allowance && gammaMagnitude >= kSmallestCrossingGamma) {
            evidence.zeros.push_back(zeroAt(first, last, *reach, bottom, target));
        } else if (bottom <= std::max(allowance, kUnclearImGamma)) {
            evidence.unclear.push_back(
                {samples_[reach->first + 1].hz, samples_[reach->second - 1].hz});
        }
    }

    // The centre of the notch under `target` between `reach` (where |Im G| reaches it on either
    // side): each sample weighs by how far it lies under it. The middle of a flat bottom, the
    // point of a V, and noise averages out over the notch's own width.
    double notchCentreHz(std::pair<std::size_t, std::size_t> reach, double target) const {
        double weights = 0.0;
        double sum = 0.0;
        for (std::size_t i = reach.first + 1; i < reach.second; ++i) {
            const double weight = target - w_[i];
            weights += weight;
            sum += weight * samples_[i].hz;
        }
        return sum / weights;
    }

    Resonance zeroAt(std::size_t first, std::size_t last, std::pair<std::size_t, std::size_t> reach,
                     double bottom, double target) const {
        const double hz = notchCentreHz(reach, target);
        // G turns clockwise with frequency (Foster), so it crosses the real axis upwards (X
        // rising: series) where the locus bends towards a larger Re G, downwards (parallel)
        // where it bends towards a smaller one. Re G does not depend on the unknown sign.
        const double reHere = samples_[first + (last - first) / 2].gamma.real();
        const double reBelow =
            samples_[highestToward(first, kDown, bottom + kKindRise, bottom)].gamma.real();
        const double reAbove =
            samples_[highestToward(last, kUp, bottom + kKindRise, bottom)].gamma.real();
        const bool series = reHere < (reBelow + reAbove) / 2.0;
        return Resonance{hz, rsAt(hz), series ? ResonanceKind::Series : ResonanceKind::Parallel};
    }

    const std::vector<AntennaSample>& samples_;
    std::vector<double> w_;  // |Im G| of each sample
    double noise_ = 0.0;     // its noise's standard deviation
};

}  // namespace

ReactanceEvidence EstimateReactanceZeros(const std::vector<AntennaSample>& samples) {
    return ZeroFinder(samples).find();
}

}  // namespace ravemo
