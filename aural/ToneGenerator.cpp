#include "aural/ToneGenerator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ravemo {
namespace {

constexpr double kMsPerSecond = 1000.0;
constexpr double kTurn = 2.0 * std::numbers::pi;

std::int64_t SamplesOf(double ms, int rate) {
    return static_cast<std::int64_t>(std::lround(ms * rate / kMsPerSecond));
}

}  // namespace

ToneGenerator::ToneGenerator(int sampleRateHz)
    : sampleRateHz_(std::max(sampleRateHz, 1)),
      beepSamples_(SamplesOf(kBeepMs, sampleRateHz_)),
      gapSamples_(SamplesOf(kBeepGapMs, sampleRateHz_)) {}

void ToneGenerator::setVolume(double share) {
    volume_ = std::isnan(share) ? 0.0 : std::clamp(share, 0.0, 1.0);
}

void ToneGenerator::playBeeps(int count) {
    patternLeft_ = count > 0 ? gapSamples_ + count * (beepSamples_ + gapSamples_) : 0;
}

bool ToneGenerator::beepSounds(std::int64_t left) const {
    // Counted from the end: gap, then (beep, gap) pairs back to the opening gap.
    const std::int64_t fromEnd = left - gapSamples_;
    if (fromEnd <= 0) return false;
    return (fromEnd - 1) % (beepSamples_ + gapSamples_) < beepSamples_;
}

void ToneGenerator::render(std::span<std::int16_t> out) {
    const double rate = sampleRateHz_;
    const double rampStep = 1.0 / (kLoudnessRampMs * rate / kMsPerSecond);
    const double glide = 1.0 - std::exp(-kMsPerSecond / (kPitchGlideMs * rate));
    for (std::int16_t& sample : out) {
        double wantedHz = pitchHz_.value_or(0.0);
        double loudness = pitchHz_ ? volume_ : 0.0;
        if (patternLeft_ > 0) {
            const bool sounds = beepSounds(patternLeft_);
            --patternLeft_;
            loudness = sounds ? volume_ : 0.0;
            // The pitch jumps only in the silence of a gap, where it cannot click.
            if (sounds || amplitude_ == 0.0) frequencyHz_ = wantedHz = kBeepPitchHz;
        } else if (amplitude_ == 0.0) {
            frequencyHz_ = wantedHz;  // a tone starting from silence starts at its pitch
        }
        frequencyHz_ += (wantedHz - frequencyHz_) * glide;
        const double target = loudness * kFullVolumeAmplitude;
        const double maxStep = rampStep * kFullVolumeAmplitude;
        amplitude_ += std::clamp(target - amplitude_, -maxStep, maxStep);
        sample = static_cast<std::int16_t>(std::lround(amplitude_ * std::sin(phase_)));
        phase_ = std::fmod(phase_ + kTurn * frequencyHz_ / rate, kTurn);
    }
}

}  // namespace ravemo
