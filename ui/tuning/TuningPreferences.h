#pragma once

#include <map>
#include <optional>

#include <QByteArray>
#include <QString>

#include "analysis/AmateurBands.h"
#include "plot/RightAxis.h"
#include "plot/SwrScale.h"
#include "ui/aural/AuralPreferences.h"

namespace ravemo {

// What the tuning window remembers between runs, in its own file (never in ravemo.ini).
struct TuningPreferences {
    int region = kDefaultIaruRegion;
    SwrScaleChoice scale = SwrScaleChoice::Automatic;
    RightAxisQuantity rightAxis = RightAxisQuantity::None;
    std::optional<double> targetHz;
    QString feedline;                         // as typed, "rg58:20"; empty: none
    bool atAntenna = false;                   // the figures at the antenna, through the feedline
    QByteArray geometry;                      // QWidget::saveGeometry
    QByteArray windowState;                   // QMainWindow::saveState (the tool bar)
    std::map<QString, QByteArray> paneSizes;  // QSplitter::saveState by splitter name
    AuralPreferences aural;                   // the tone and the spoken updates

    bool operator==(const TuningPreferences&) const = default;
};

// ~/.config/ravemo/tuning.ini: the user's configuration folder, organisation "ravemo",
// application "tuning", in INI format.
QString DefaultTuningPreferencesPath();

// Reads the file at `path`; a missing file, and any value that is not one the window writes
// (a hand edit), gives the default of that value.
TuningPreferences LoadTuningPreferences(const QString& path);

// Writes every value to the file at `path`; false when it cannot be written.
[[nodiscard]] bool SaveTuningPreferences(const QString& path, const TuningPreferences& preferences);

}  // namespace ravemo
