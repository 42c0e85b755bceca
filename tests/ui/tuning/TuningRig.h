#pragma once

#include <chrono>
#include <memory>
#include <vector>

#include <QAction>
#include <QLineEdit>
#include <QTemporaryDir>

#include "support/ScriptedDialogs.h"
#include "ui/UiTestSupport.h"
#include "ui/tuning/TuningToolBar.h"
#include "ui/tuning/TuningWindow.h"

namespace ravemo::test {

// The main window on a simulated load with the tuning window shown, every dialog answered by
// script, and the tuning history on a clock the test moves. The boxes start at 1 and 50 MHz,
// so the first tick, with no step yet (FMin = FMax), sweeps nothing and the second sweeps 1 to
// 50 MHz with `champ` + 1 points.
struct TuningRig {
    explicit TuningRig(const QString& port = QStringLiteral("sim:dipole:7.1"),
                       std::int32_t champ = 300) {
        uiApplication();
        Settings s = testSettings();
        s.Champ = champ;
        main = std::make_unique<MainWindow>(s, OpenPort(port, kRigAddress), kLocale, &dialogs);
        main->setTuningPreferencesPath(preferences());
        main->show();
        main->showTuning();
        tuning = main->tuningWindow();
        tuning->setHistoryClock([this] { return now; });
    }
    QString preferences() const { return folder.filePath(QStringLiteral("tuning.ini")); }
    // Each tick five seconds after the last: each sweep a point of the history.
    void tick(int times = 1) {
        for (int i = 0; i < times; ++i) {
            now += std::chrono::seconds(5);
            main->measurement().tick();
        }
    }
    QString box(int which) const { return main->controls().txtVal.at(which)->text(); }
    // Save report... answered with `path` and the dialog's entry; the messages it showed.
    std::vector<QString> saveReportAs(const QString& path, int entry = 0) {
        dialogs.accept(path, entry);
        tuning->toolBar().saveReportAction().trigger();
        return dialogs.takeMessages();
    }

    static constexpr std::int16_t kRigAddress = 888;
    QTemporaryDir folder;
    HistoryClock::time_point now{std::chrono::hours(1)};
    ScriptedDialogs dialogs;  // outlives the windows; no dialog may open unnoticed
    std::unique_ptr<MainWindow> main;
    TuningWindow* tuning = nullptr;
};

}  // namespace ravemo::test
