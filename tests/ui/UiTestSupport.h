#pragma once

#include <memory>

#include <gtest/gtest.h>
#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

#include "common/NumberText.h"
#include "common/Settings.h"
#include "support/RecordingPort.h"
#include "ui/MainWindow.h"
#include "ui/Measurement.h"

namespace ravemo::test {

// The one QApplication of the widget tests, offscreen unless a platform is set. Never destroyed:
// at exit Qt's own globals may already be gone.
inline QApplication& uiApplication() {
    static int argc = 1;
    static char name[] = "ravemo_tests_ui";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = [] {
        auto* made = new QApplication(argc, argv);
        // A window closed inside a test's event loop would leave a deferred quit for the next.
        QApplication::setQuitOnLastWindowClosed(false);
        // Nothing may write into the user's own configuration folder.
        QStandardPaths::setTestModeEnabled(true);
        return made;
    }();
    return *app;
}

// Settings as the settings file's defaults give them, with distinct curve colours.
inline Settings testSettings() {
    Settings s;
    s.FMax = 10000.0F;
    s.FMin = 10000.0F;
    s.Champ = 6000;
    s.Step = 1;
    s.colorS1 = 65535.0F;     // yellow
    s.colorS2 = 16711680.0F;  // blue
    s.colorS3 = 32768.0F;     // green
    s.colorS4 = 8388736.0F;   // purple
    s.colorS5 = 33023.0F;     // orange
    s.colorS6 = 255.0F;       // red
    s.Address1 = 888;
    s.Address2 = 956;
    s.InputVelFactor = 0.66F;
    return s;
}

// Ten points; the first tick sweeps the boxes' 1 to 50 MHz with the step of 1 to 30 MHz.
inline Settings smallSweep() {
    Settings s = testSettings();
    s.Champ = 10;
    s.FMin = 1e6F;
    s.FMax = 30e6F;
    return s;
}

inline const QLocale kLocale(QLocale::English, QLocale::UnitedStates);

// A simulated back end on `port`, as the window and the measurement take it.
inline OpenedPort simulatedBackEnd(std::unique_ptr<PortIo> port) {
    OpenedPort backEnd;
    backEnd.port = std::move(port);
    backEnd.description = QStringLiteral("simulated test");
    backEnd.simulated = true;
    return backEnd;
}

// A window on a recording port, in a point-decimal locale.
struct WindowFixture {
    explicit WindowFixture(const Settings& settings = testSettings()) {
        uiApplication();
        auto recording = std::make_unique<RecordingPort>();
        port = recording.get();
        window =
            std::make_unique<MainWindow>(settings, simulatedBackEnd(std::move(recording)), kLocale);
    }

    RecordingPort* port = nullptr;  // owned by the window's measurement
    std::unique_ptr<MainWindow> window;
    Measurement& measurement() { return window->measurement(); }
    template <typename W = QWidget>
    W* child(const char* name) const {
        W* widget = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
};

}  // namespace ravemo::test
