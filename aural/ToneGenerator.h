#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace ravemo {

// The beeps' own pitch, above the tone's whole range so they cannot be taken for it.
inline constexpr double kBeepPitchHz = 2000.0;
inline constexpr double kBeepMs = 80.0;
inline constexpr double kBeepGapMs = 70.0;
// How fast the loudness may change: a step in amplitude is a click, a ramp is not.
inline constexpr double kLoudnessRampMs = 5.0;
// How fast the steady tone glides to a new pitch.
inline constexpr double kPitchGlideMs = 15.0;
// Full volume leaves headroom below the largest sample.
inline constexpr double kFullVolumeAmplitude = 0.5 * 32767.0;

// The aural indicator's sound as 16-bit mono PCM: a steady sine whose pitch and volume may
// change at any time without a click (the phase runs on, the pitch glides, the loudness ramps),
// and beep patterns that pause the steady tone while they play.
class ToneGenerator {
  public:
    explicit ToneGenerator(int sampleRateHz);

    // The steady tone's pitch; none: silence.
    void setPitchHz(std::optional<double> hz) { pitchHz_ = hz; }
    // 0 (silent) to 1 (full volume).
    void setVolume(double share);
    double volume() const { return volume_; }
    // `count` beeps at kBeepPitchHz, starting and ending with a gap; replaces a pattern still
    // playing.
    void playBeeps(int count);
    bool beeping() const { return patternLeft_ > 0; }

    // The next out.size() samples.
    void render(std::span<std::int16_t> out);
    int sampleRateHz() const { return sampleRateHz_; }

  private:
    // Whether the beep pattern sounds `left` samples before its end.
    bool beepSounds(std::int64_t left) const;

    int sampleRateHz_;
    double volume_ = 0.5;
    std::optional<double> pitchHz_;
    double frequencyHz_ = 0.0;  // the glide's current frequency
    double phase_ = 0.0;        // radians, kept within one turn
    double amplitude_ = 0.0;    // the ramp's current amplitude
    std::int64_t patternLeft_ = 0;
    std::int64_t beepSamples_;
    std::int64_t gapSamples_;
};

}  // namespace ravemo
