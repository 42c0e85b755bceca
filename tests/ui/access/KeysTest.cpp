#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "analysis/SimulatedSweep.h"
#include "ui/access/AccessRig.h"
#include "ui/tuning/BandsPanel.h"
#include "ui/tuning/TextTableWidget.h"

namespace ravemo {
namespace {

constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;
constexpr Qt::KeyboardModifiers kAltShift = Qt::AltModifier | Qt::ShiftModifier;

// A dipole resonant at 7.1 MHz swept from 6 to 8 MHz in 20 steps of 100 kHz: sample i at
// 6 + 0.1 i MHz, so the deepest dip is sample 11. The markers start at 2160 and 3960 of the
// chart's 8835 twips: samples 5 and 9 (6.5 and 6.9 MHz); a tenth of the span is 2 samples.
TEST(Keys, MoveTheMarkersOverTheSamplesAndTheReadoutsFollow) {
    test::AccessRig rig(QStringLiteral("sim:dipole:7.1"), 20, "6", "8");
    const MainWindowControls& c = rig.main->controls();
    c.Check9->click();  // both markers
    struct Step {
        Qt::KeyboardModifiers modifiers;
        Qt::Key key;
        const char* marker1Hz;
        const char* marker2Hz;
    };
    const Step steps[] = {
        {kAlt, Qt::Key_Right, "6,600,000", "6,900,000"},
        {kAlt, Qt::Key_PageUp, "6,800,000", "6,900,000"},
        {kAltShift, Qt::Key_PageDown, "6,800,000", "6,700,000"},
        {kAlt, Qt::Key_End, "8,000,000", "6,700,000"},
        {kAlt, Qt::Key_Right, "8,000,000", "6,700,000"},  // stops at the end
        {kAlt, Qt::Key_Home, "6,100,000", "6,700,000"},
        {kAlt, Qt::Key_Left, "6,100,000", "6,700,000"},
        {kAltShift, Qt::Key_Left, "6,100,000", "6,600,000"},
        {kAltShift, Qt::Key_End, "6,100,000", "8,000,000"},
        {kAlt, Qt::Key_D, "7,100,000", "8,000,000"},
        {kAltShift, Qt::Key_D, "7,100,000", "7,100,000"},
        {kAlt, Qt::Key_PageDown, "6,900,000", "7,100,000"},
    };
    for (const Step& s : steps) {
        test::AccessRig::press(*rig.main, s.modifiers | s.key);
        rig.tick();
        EXPECT_EQ(c.Label8->text(), s.marker1Hz) << s.key;
        EXPECT_EQ(c.Label14->text(), s.marker2Hz) << s.key;
    }
    // A half-wave dipole is about 73 ohms at resonance: SWR 1.46 on 50 ohms.
    test::AccessRig::press(*rig.main, kAlt | Qt::Key_D);
    rig.tick();
    EXPECT_NEAR(c.Text3->text().toDouble(), 1.46, 0.05);
    EXPECT_NEAR(c.Text7->text().toDouble(), 73.0, 3.0);
}

TEST(Keys, SwitchesAndFilesByKeyAsByClick) {
    test::AccessRig rig(QStringLiteral("sim:dipole:7.1"), 20, "6", "8");
    const MainWindowControls& c = rig.main->controls();
    struct Step {
        QKeyCombination key;
        bool hold;
        bool fullSweep;
    };
    const Step steps[] = {
        {Qt::CTRL | Qt::Key_H, true, false},
        {Qt::CTRL | Qt::Key_F, true, false},  // Hold leaves Full Sweep disabled
        {Qt::CTRL | Qt::Key_H, false, false},
        {Qt::CTRL | Qt::Key_F, false, true},
        {Qt::CTRL | Qt::Key_F, false, false},
    };
    // Typing in a limit box, the command keys still reach their commands.
    c.txtVal[0]->setFocus(Qt::MouseFocusReason);
    for (const Step& s : steps) {
        test::AccessRig::press(*rig.main, s.key);
        EXPECT_EQ(c.Check8->isChecked(), s.hold) << s.key.key();
        EXPECT_EQ(c.Check7->isChecked(), s.fullSweep) << s.key.key();
    }
    // The same keys in the tuning window work the main window's switches and files.
    test::AccessRig::press(*rig.tuning, Qt::CTRL | Qt::Key_H);
    EXPECT_TRUE(c.Check8->isChecked());
    test::AccessRig::press(*rig.tuning, Qt::CTRL | Qt::Key_H);
    for (QWidget* window :
         {static_cast<QWidget*>(rig.main.get()), static_cast<QWidget*>(rig.tuning)}) {
        for (const Qt::Key key : {Qt::Key_S, Qt::Key_O}) {
            rig.dialogs.cancel();
            const std::size_t shown = rig.dialogs.filters.size();
            test::AccessRig::press(*window, Qt::CTRL | key);
            EXPECT_EQ(rig.dialogs.filters.size(), shown + 1) << key;
        }
    }
}

// An antenna matched at 7.1 and 14.2 MHz, its reactance between: two dips.
TEST(Keys, TuningWindowStepsDipsSweepsAroundThemPicksBandsAndKeepsAReference) {
    QTemporaryDir folder;
    const QString antenna = folder.filePath(QStringLiteral("two-band.s1p"));
    test::WriteTouchstone(
        antenna,
        [](double hz) {
            const double mhz = hz / 1e6;
            return std::complex<double>(50.0, 20.0 * (mhz - 7.1) * (mhz - 14.2));
        },
        1e6, 30e6, 2901);
    test::AccessRig rig(QStringLiteral("sim:s1p:") + antenna, 240, "5", "17");
    TuningWindow& t = *rig.tuning;
    const auto& dips = *t.findChild<TextTableWidget*>(QStringLiteral("DipsTable"));
    ASSERT_EQ(dips.rowCount(), 2);
    const double secondMHz = dips.cellText(1, 0).toDouble();
    EXPECT_NEAR(secondMHz, 14.2, 0.05);
    // Down from none is the first dip; steps stop at the ends.
    const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Down, 0},
                                             {Qt::Key_Down, 1},
                                             {Qt::Key_Down, 1},
                                             {Qt::Key_Up, 0},
                                             {Qt::Key_Down, 1}};
    for (const auto& [key, row] : steps) {
        test::AccessRig::press(t, Qt::CTRL | key);
        EXPECT_EQ(dips.selectedRanges().value(0).topRow(), row);
    }
    EXPECT_EQ(QApplication::focusWidget(), &dips);
    test::AccessRig::press(t, Qt::CTRL | Qt::Key_Return);
    // Around the dip chosen: its frequency lies inside the new limits.
    EXPECT_LT(rig.box(0).toDouble(), secondMHz);
    EXPECT_GT(rig.box(1).toDouble(), secondMHz);
    EXPECT_GT(rig.box(0).toDouble(), 0.9 * secondMHz);

    test::AccessRig::press(t, Qt::CTRL | Qt::Key_B);
    QComboBox& picker = t.bandsPanel().picker();
    EXPECT_EQ(QApplication::focusWidget(), &picker);
    picker.setCurrentIndex(picker.findText(QStringLiteral("20m")));
    test::AccessRig::press(t, Qt::CTRL | Qt::SHIFT | Qt::Key_B);
    EXPECT_LT(rig.box(0).toDouble(), 14.0);  // 20 m: 14 to 14.35 MHz with room on each side
    EXPECT_GT(rig.box(1).toDouble(), 14.35);

    test::AccessRig::press(t, Qt::CTRL | Qt::Key_T);
    QLineEdit& target = t.toolBar().targetBox();
    EXPECT_EQ(QApplication::focusWidget(), &target);
    QTest::keyClicks(&target, QStringLiteral("14.1"));
    QTest::keyClick(&target, Qt::Key_Return);
    EXPECT_EQ(t.toolBar().targetHz(), 14.1e6);

    EXPECT_FALSE(t.toolBar().clearReferenceAction().isEnabled());
    test::AccessRig::press(t, Qt::CTRL | Qt::Key_R);
    EXPECT_TRUE(t.toolBar().clearReferenceAction().isEnabled());
}

}  // namespace
}  // namespace ravemo
