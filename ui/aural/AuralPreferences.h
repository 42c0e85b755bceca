#pragma once

class QSettings;

namespace ravemo {

// What the tuning window remembers of its sound and speech, with its other choices.
struct AuralPreferences {
    static constexpr int kDefaultVolumePercent = 50;
    static constexpr int kDefaultSpeechStepKHz = 10;

    bool toneOn = false;
    int volumePercent = kDefaultVolumePercent;  // 0 to 100
    bool speechUpdatesOn = false;
    int speechStepKHz = kDefaultSpeechStepKHz;  // one of kSpeechStepsKHz

    bool operator==(const AuralPreferences&) const = default;
};

// The steps the spoken updates offer: the dip must move by more than this.
inline constexpr int kSpeechStepsKHz[] = {1, 2, 5, 10, 20, 50, 100};

// Read from and written to the group "aural" of the tuning window's preferences file; a value
// that is not one the window writes gives its default.
AuralPreferences LoadAuralPreferences(QSettings& file);
void SaveAuralPreferences(QSettings& file, const AuralPreferences& preferences);

}  // namespace ravemo
