// The tone's samples analysed as a listener's ear would: the pitch measured from the zero
// crossings, clicks as jumps between neighbouring samples, beeps as bursts of sound.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "aural/ToneGenerator.h"

namespace ravemo {
namespace {

constexpr int kRate = 48000;

std::vector<std::int16_t> Render(ToneGenerator& tone, double seconds) {
    std::vector<std::int16_t> pcm(static_cast<std::size_t>(seconds * kRate));
    tone.render(pcm);
    return pcm;
}

// The frequency from the upward zero crossings, interpolated between samples.
double MeasuredHz(const std::vector<std::int16_t>& pcm) {
    std::vector<double> crossings;
    for (std::size_t i = 1; i < pcm.size(); ++i) {
        if (pcm[i - 1] < 0 && pcm[i] >= 0) {
            const double a = pcm[i - 1];
            const double b = pcm[i];
            crossings.push_back(static_cast<double>(i - 1) + (-a / (b - a)));
        }
    }
    if (crossings.size() < 2) return 0.0;
    return static_cast<double>(crossings.size() - 1) * kRate /
           (crossings.back() - crossings.front());
}

int LargestStep(const std::vector<std::int16_t>& pcm) {
    int largest = 0;
    for (std::size_t i = 1; i < pcm.size(); ++i) {
        largest = std::max(largest, std::abs(int{pcm[i]} - int{pcm[i - 1]}));
    }
    return largest;
}

// A pure sine of `hz` at full volume moves at most this much from one sample to the next.
double SineStep(double hz) { return kFullVolumeAmplitude * 2.0 * std::numbers::pi * hz / kRate; }

TEST(ToneGenerator, SoundsAtThePitchAskedAndGlidesWithoutAClick) {
    for (const double hz : {300.0, 450.0, 1500.0}) {
        ToneGenerator tone(kRate);
        tone.setVolume(1.0);
        tone.setPitchHz(hz);
        const std::vector<std::int16_t> pcm = Render(tone, 0.5);
        EXPECT_NEAR(MeasuredHz(pcm), hz, hz * 0.002) << hz;
        const std::vector<std::int16_t> steady(pcm.begin() + kRate / 10, pcm.end());
        EXPECT_NEAR(*std::max_element(steady.begin(), steady.end()), kFullVolumeAmplitude, 2.0);
    }
    // From 300 to 1200 Hz mid-stream: the phase runs on, so no step larger than the higher
    // sine's own.
    ToneGenerator tone(kRate);
    tone.setVolume(1.0);
    tone.setPitchHz(300.0);
    std::vector<std::int16_t> pcm = Render(tone, 0.2);
    tone.setPitchHz(1200.0);
    const std::vector<std::int16_t> after = Render(tone, 0.3);
    pcm.insert(pcm.end(), after.begin(), after.end());
    EXPECT_LE(LargestStep(pcm), SineStep(1200.0) * 1.01);
    EXPECT_NEAR(MeasuredHz({after.begin() + kRate / 10, after.end()}), 1200.0, 2.5);
}

TEST(ToneGenerator, StartsStopsAndChangesVolumeOnARamp) {
    ToneGenerator tone(kRate);
    tone.setVolume(1.0);
    tone.setPitchHz(1500.0);
    std::vector<std::int16_t> pcm = Render(tone, 0.1);
    tone.setVolume(0.2);
    std::vector<std::int16_t> part = Render(tone, 0.1);
    pcm.insert(pcm.end(), part.begin(), part.end());
    const std::vector<std::int16_t> quiet(part.begin() + kRate / 20, part.end());
    EXPECT_NEAR(*std::max_element(quiet.begin(), quiet.end()), 0.2 * kFullVolumeAmplitude, 2.0);
    tone.setPitchHz(std::nullopt);
    part = Render(tone, 0.1);
    pcm.insert(pcm.end(), part.begin(), part.end());
    // The first sample of a start and of a stop differ little from their neighbours.
    EXPECT_LE(LargestStep(pcm), SineStep(1500.0) * 1.01);
    const std::vector<std::int16_t> silent(part.begin() + kRate / 50, part.end());
    EXPECT_EQ(LargestStep(silent), 0);
    EXPECT_EQ(silent.front(), 0);
}

// The bursts of sound louder than half the volume, and the pitch of the first.
struct Bursts {
    int count = 0;
    double firstHz = 0.0;
};
Bursts BurstsOf(const std::vector<std::int16_t>& pcm, double volume) {
    Bursts bursts;
    const int window = kRate / 200;  // 5 ms
    bool inBurst = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i + window <= pcm.size(); i += window) {
        int peak = 0;
        for (int k = 0; k < window; ++k) peak = std::max(peak, std::abs(int{pcm[i + k]}));
        const bool loud = peak > volume * kFullVolumeAmplitude / 2.0;
        if (loud && !inBurst) start = i;
        if (!loud && inBurst && ++bursts.count == 1) {
            // Its middle: the ramps' quiet samples round too coarsely to place a crossing.
            const std::ptrdiff_t margin = std::ptrdiff_t{2} * window;
            bursts.firstHz = MeasuredHz({pcm.begin() + static_cast<std::ptrdiff_t>(start) + margin,
                                         pcm.begin() + static_cast<std::ptrdiff_t>(i) - margin});
        }
        inBurst = loud;
    }
    return bursts;
}

TEST(ToneGenerator, BeepsPauseTheToneAndSoundAtTheirOwnPitch) {
    for (const int count : {2, 3}) {
        ToneGenerator tone(kRate);
        tone.setVolume(0.6);
        tone.setPitchHz(std::nullopt);
        tone.playBeeps(count);
        const std::vector<std::int16_t> pcm = Render(tone, 0.8);
        const Bursts bursts = BurstsOf(pcm, 0.6);
        EXPECT_EQ(bursts.count, count);
        EXPECT_NEAR(bursts.firstHz, kBeepPitchHz, 2.0);
        EXPECT_FALSE(tone.beeping());
    }
    // Over a steady tone: the tone stops for the beeps, without a click, and comes back.
    ToneGenerator tone(kRate);
    tone.setVolume(1.0);
    tone.setPitchHz(600.0);
    std::vector<std::int16_t> pcm = Render(tone, 0.1);
    tone.playBeeps(2);
    const std::vector<std::int16_t> rest = Render(tone, 0.6);
    pcm.insert(pcm.end(), rest.begin(), rest.end());
    EXPECT_LE(LargestStep(pcm), SineStep(kBeepPitchHz) * 1.01);
    EXPECT_NEAR(MeasuredHz({rest.end() - kRate / 10, rest.end()}), 600.0, 2.0);
}

}  // namespace
}  // namespace ravemo
