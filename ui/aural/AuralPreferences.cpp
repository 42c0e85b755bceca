#include "ui/aural/AuralPreferences.h"

#include <algorithm>
#include <iterator>

#include <QSettings>

namespace ravemo {
namespace {

const QString kToneKey = QStringLiteral("aural/tone");
const QString kVolumeKey = QStringLiteral("aural/volumePercent");
const QString kSpeechKey = QStringLiteral("aural/spokenUpdates");
const QString kStepKey = QStringLiteral("aural/spokenStepKHz");
constexpr int kFullVolumePercent = 100;

bool OnOf(const QSettings& file, const QString& key) {
    return file.value(key).toString() == QLatin1String("on");
}

QString OnOff(bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); }

}  // namespace

AuralPreferences LoadAuralPreferences(QSettings& file) {
    AuralPreferences p;
    p.toneOn = OnOf(file, kToneKey);
    p.speechUpdatesOn = OnOf(file, kSpeechKey);
    bool ok = false;
    const int volume = file.value(kVolumeKey).toInt(&ok);
    if (ok && volume >= 0 && volume <= kFullVolumePercent) p.volumePercent = volume;
    const int step = file.value(kStepKey).toInt(&ok);
    if (ok && std::find(std::begin(kSpeechStepsKHz), std::end(kSpeechStepsKHz), step) !=
                  std::end(kSpeechStepsKHz)) {
        p.speechStepKHz = step;
    }
    return p;
}

void SaveAuralPreferences(QSettings& file, const AuralPreferences& p) {
    file.setValue(kToneKey, OnOff(p.toneOn));
    file.setValue(kVolumeKey, p.volumePercent);
    file.setValue(kSpeechKey, OnOff(p.speechUpdatesOn));
    file.setValue(kStepKey, p.speechStepKHz);
}

}  // namespace ravemo
