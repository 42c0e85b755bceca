#include "ui/tuning/TuningPreferences.h"

#include <array>
#include <utility>

#include <QSettings>
#include <QStandardPaths>

#include "common/Units.h"

namespace ravemo {
namespace {

const QString kRegionKey = QStringLiteral("view/region");
const QString kScaleKey = QStringLiteral("view/swrScale");
const QString kRightAxisKey = QStringLiteral("view/rightAxis");
const QString kFeedlineKey = QStringLiteral("feedline/line");
const QString kPlaneKey = QStringLiteral("feedline/plane");
const QString kTargetKey = QStringLiteral("view/targetMHz");
const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kStateKey = QStringLiteral("window/state");
const QString kPanesGroup = QStringLiteral("panes");

// The words each choice is stored as: readable, and independent of the order of the enums.
constexpr std::array<std::pair<SwrScaleChoice, const char*>, 7> kScaleWords{{
    {SwrScaleChoice::UpTo1_5, "1.5"},
    {SwrScaleChoice::UpTo2, "2"},
    {SwrScaleChoice::UpTo3, "3"},
    {SwrScaleChoice::UpTo5, "5"},
    {SwrScaleChoice::UpTo10, "10"},
    {SwrScaleChoice::Automatic, "automatic"},
    {SwrScaleChoice::Logarithmic, "logarithmic"},
}};
constexpr std::array<std::pair<RightAxisQuantity, const char*>, 4> kAxisWords{{
    {RightAxisQuantity::None, "none"},
    {RightAxisQuantity::Impedance, "impedance"},
    {RightAxisQuantity::Resistance, "resistance"},
    {RightAxisQuantity::Reactance, "reactance"},
}};

template <typename Enum, std::size_t N>
QString WordOf(const std::array<std::pair<Enum, const char*>, N>& words, Enum value) {
    for (const auto& [choice, word] : words) {
        if (choice == value) return QString::fromLatin1(word);
    }
    return {};
}

template <typename Enum, std::size_t N>
Enum ChoiceOf(const std::array<std::pair<Enum, const char*>, N>& words, const QString& text,
              Enum fallback) {
    for (const auto& [choice, word] : words) {
        if (text == QLatin1String(word)) return choice;
    }
    return fallback;
}

}  // namespace

QString DefaultTuningPreferencesPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/ravemo/tuning.ini");
}

TuningPreferences LoadTuningPreferences(const QString& path) {
    QSettings file(path, QSettings::IniFormat);
    TuningPreferences p;
    bool ok = false;
    const int region = file.value(kRegionKey).toInt(&ok);
    if (ok && region >= 1 && region <= kIaruRegionCount) p.region = region;
    p.scale = ChoiceOf(kScaleWords, file.value(kScaleKey).toString(), p.scale);
    p.rightAxis = ChoiceOf(kAxisWords, file.value(kRightAxisKey).toString(), p.rightAxis);
    // Stored with a point decimal whatever the locale, so the file moves between machines.
    const double targetMHz = file.value(kTargetKey).toString().toDouble(&ok);
    if (ok && targetMHz > 0.0) p.targetHz = targetMHz * kHzPerMHz;
    p.feedline = file.value(kFeedlineKey).toString();
    p.atAntenna = file.value(kPlaneKey).toString() == QLatin1String("antenna");
    p.geometry = file.value(kGeometryKey).toByteArray();
    p.windowState = file.value(kStateKey).toByteArray();
    file.beginGroup(kPanesGroup);
    for (const QString& name : file.childKeys()) p.paneSizes[name] = file.value(name).toByteArray();
    file.endGroup();
    p.aural = LoadAuralPreferences(file);
    return p;
}

bool SaveTuningPreferences(const QString& path, const TuningPreferences& p) {
    QSettings file(path, QSettings::IniFormat);
    file.setValue(kRegionKey, p.region);
    file.setValue(kScaleKey, WordOf(kScaleWords, p.scale));
    file.setValue(kRightAxisKey, WordOf(kAxisWords, p.rightAxis));
    if (p.targetHz) {
        file.setValue(kTargetKey, QString::number(*p.targetHz / kHzPerMHz, 'g', 12));
    } else {
        file.remove(kTargetKey);
    }
    file.setValue(kFeedlineKey, p.feedline);
    file.setValue(kPlaneKey, p.atAntenna ? QStringLiteral("antenna") : QStringLiteral("analyser"));
    file.setValue(kGeometryKey, p.geometry);
    file.setValue(kStateKey, p.windowState);
    file.beginGroup(kPanesGroup);
    for (const auto& [name, state] : p.paneSizes) file.setValue(name, state);
    file.endGroup();
    SaveAuralPreferences(file, p.aural);
    file.sync();
    return file.status() == QSettings::NoError;
}

}  // namespace ravemo
