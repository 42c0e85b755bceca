// The calibration dialog on a main window whose simulated instrument's load the test swaps
// (short, open, 50 ohm, 100 ohm), ticked by hand.

#include <gtest/gtest.h>

#include <cmath>

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "instrument/Dds.h"
#include "instrument/ResistorModel.h"
#include "instrument/SimulatedInstrument.h"
#include "support/ScriptedDialogs.h"
#include "ui/UiTestSupport.h"
#include "ui/tuning/CalibrationDialog.h"
#include "ui/tuning/TuningToolBar.h"
#include "ui/tuning/TuningWindow.h"

namespace ravemo {
namespace {

using Standard = CalibrationDialog::Standard;

// The load on the bridge, chosen by the test while the sweeps run.
struct SwappedLoad final : LoadModel {
    const double* ohms;
    explicit SwappedLoad(const double* chosen) : ohms(chosen) {}
    std::complex<double> impedance(double /*hz*/) const override {
        return std::isinf(*ohms) ? kOpenCircuitOhms : std::complex<double>{*ohms, 0.0};
    }
    QString description() const override { return QStringLiteral("swapped load"); }
};

struct CalibrationRig {
    CalibrationRig() {
        test::uiApplication();
        Settings settings = test::testSettings();
        settings.Champ = 100;
        main = std::make_unique<MainWindow>(
            settings,
            test::simulatedBackEnd(
                std::make_unique<SimulatedInstrument>(std::make_unique<SwappedLoad>(&ohms), 888)),
            test::kLocale, &dialogs);
        main->show();
        main->showTuning();
        main->measurement().tick();  // the first tick has no step yet
    }
    void sweep(double loadOhms, int ticks = 2) {
        ohms = loadOhms;
        for (int i = 0; i < ticks; ++i) main->measurement().tick();
    }
    const SweepData& data() const { return main->measurement().data(); }
    QLineEdit& offsetBox() const { return *main->controls().Text18; }

    QTemporaryDir folder;
    test::ScriptedDialogs dialogs;
    double ohms = 50.0;
    std::unique_ptr<MainWindow> main;
};

bool WholeSteps(const SweepData& data) {
    for (const float reading : data.ReturnLossSamples) {
        if (reading != std::nearbyint(reading)) return false;
    }
    return true;
}

TEST(CalibrationDialog, SweepsTheStandardsSavesAndCorrectsSweepsWithinItsRange) {
    CalibrationRig rig;
    TuningWindow& tuning = *rig.main->tuningWindow();
    tuning.toolBar().calibrationAction().trigger();
    CalibrationDialog* dialog = tuning.findChild<CalibrationDialog*>();
    ASSERT_NE(dialog, nullptr);
    const QString path = rig.folder.filePath(QStringLiteral("jumper.cal"));
    EXPECT_TRUE(dialog->saveTo(path).contains("Sweep the short first"));

    const std::pair<Standard, double> standards[] = {
        {Standard::Short, 0.0}, {Standard::Open, INFINITY}, {Standard::Load, 50.0}};
    for (const auto& [standard, ohms] : standards) {
        EXPECT_TRUE(dialog->sweepStandard(standard).isEmpty());
        rig.sweep(ohms, 1);  // the sweep running at the press is not kept
        EXPECT_FALSE(dialog->swept(standard));
        EXPECT_TRUE(rig.main->measurement().statusText().contains("Calibrating"));
        rig.sweep(ohms, 1);
        EXPECT_TRUE(dialog->swept(standard));
    }
    rig.offsetBox().setText(QStringLiteral("5"));
    ASSERT_EQ(dialog->saveTo(path), QString());
    EXPECT_TRUE(QFile::exists(path));

    // 100 ohms read 349 steps; corrected by the short and open's 0.0032 dB they are not whole.
    rig.sweep(100.0);
    EXPECT_FALSE(WholeSteps(rig.data()));
    EXPECT_NEAR(rig.data().ReturnLossSamples[50], 349.0 - 0.0032 / 0.0586, 1e-3);
    EXPECT_TRUE(rig.main->measurement().statusText().contains(
        "Calibration jumper.cal in force (1 to 50 MHz, 101 points)"))
        << rig.main->measurement().statusText().toStdString();
    EXPECT_FALSE(rig.offsetBox().isEnabled());
    EXPECT_FALSE(rig.offsetBox().toolTip().isEmpty());

    // A sweep reaching outside the range is not corrected, and the strip says so.
    rig.main->controls().txtVal.at(1)->setText(QStringLiteral("60"));
    rig.sweep(100.0);
    EXPECT_TRUE(WholeSteps(rig.data()));
    EXPECT_TRUE(rig.main->measurement().statusText().contains("NOT corrected"));
    EXPECT_TRUE(rig.offsetBox().isEnabled());

    // Loaded again after a clear, it applies again within its range.
    dialog->clearCalibration();
    EXPECT_FALSE(rig.main->measurement().statusText().contains("Calibration"));
    rig.main->controls().txtVal.at(1)->setText(QStringLiteral("50"));
    ASSERT_EQ(dialog->loadFrom(path), QString());
    rig.sweep(100.0);
    EXPECT_FALSE(WholeSteps(rig.data()));
    // Through its buttons: a cancel does nothing, a file that is not there is named.
    QPushButton* load = nullptr;
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("Load calibration...")) load = button;
    }
    ASSERT_NE(load, nullptr);
    rig.dialogs.cancel();
    load->click();
    rig.dialogs.accept(rig.folder.filePath(QStringLiteral("none.cal")));
    load->click();
    const std::vector<QString> shown = rig.dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_TRUE(shown[0].contains("none.cal")) << shown[0].toStdString();
    EXPECT_TRUE(rig.main->measurement().statusText().contains("Calibration jumper.cal"));
}

}  // namespace
}  // namespace ravemo
