// The tuning window's sound and speech bar on the simulated instrument, ticked by hand, with no
// sound device (a sound server that is not there): what the tone follows and when it falls
// silent, the fast sweep and the limits it gives back, what is remembered.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSlider>

#include "ui/aural/AuralBar.h"
#include "ui/tuning/TuningRig.h"

namespace ravemo {
namespace {

using test::TuningRig;

// No test makes a sound: the sound server named here is not there.
struct NoSoundDevice {
    NoSoundDevice() { qputenv("PULSE_SERVER", "unix:/nonexistent/ravemo-test/native"); }
};

void SetTarget(TuningRig& rig, const QString& mhz) {
    QLineEdit& box = rig.tuning->toolBar().targetBox();
    box.setText(mhz);
    Q_EMIT box.editingFinished();
}

TEST(AuralBar, TheToneFollowsTheSwrAtTheTargetAndFallsSilentUnderHold) {
    const NoSoundDevice noDevice;
    TuningRig rig(QStringLiteral("sim:r:150"));  // SWR 3 everywhere: 900 Hz
    AuralBar& aural = rig.tuning->auralBar();
    SetTarget(rig, "7.1");
    rig.tick(2);
    EXPECT_EQ(aural.tonePitchHz(), std::nullopt);  // off
    aural.toneAction().trigger();
    EXPECT_TRUE(aural.notice().text().startsWith("No sound device"))
        << aural.notice().text().toStdString();
    ASSERT_TRUE(aural.tonePitchHz().has_value());
    EXPECT_NEAR(*aural.tonePitchHz(), 900.0, 900.0 * 0.01);

    QCheckBox& hold = *rig.main->controls().Check8;
    hold.setChecked(true);
    rig.tick();
    EXPECT_EQ(aural.tonePitchHz(), std::nullopt);
    hold.setChecked(false);
    rig.tick();
    EXPECT_TRUE(aural.tonePitchHz().has_value());
    EXPECT_EQ(aural.spokenSummary().toStdString(), "No SWR dip under 2 in the sweep.");
    rig.tuning->hide();  // closed: silent until shown again
    EXPECT_EQ(aural.tonePitchHz(), std::nullopt);
    rig.tuning->show();
    EXPECT_TRUE(aural.tonePitchHz().has_value());
    SetTarget(rig, "60");  // beyond the sweep: not measured, no tone
    EXPECT_EQ(aural.tonePitchHz(), std::nullopt);
    SetTarget(rig, "");  // no target: the sweep's lowest SWR
    EXPECT_NEAR(aural.tonePitchHz().value_or(0.0), 900.0, 9.0);

    aural.spokenUpdatesAction().trigger();
    EXPECT_TRUE(aural.notice().text().contains("nothing can be spoken"))
        << aural.notice().text().toStdString();
}

TEST(AuralBar, TheFastSweepNarrowsAroundTheTargetAndGivesTheLimitsBack) {
    TuningRig rig;  // 301 points over 1 to 50 MHz
    AuralBar& aural = rig.tuning->auralBar();
    QAction& fast = aural.fastSweepAction();
    fast.trigger();  // no target and no sweep yet: nothing to sweep around
    EXPECT_FALSE(fast.isChecked());
    EXPECT_TRUE(aural.notice().text().contains("type a target"));

    rig.tick(2);
    SetTarget(rig, "7.1");
    fast.trigger();
    ASSERT_TRUE(fast.isChecked());
    // 7.1 MHz +- 2.5 %, rounded outwards to 5 kHz.
    EXPECT_EQ(rig.box(0), "6.92");
    EXPECT_EQ(rig.box(1), "7.28");
    rig.tick(2);
    EXPECT_EQ(rig.main->measurement().settings().Step, 7);  // 300 / 40
    EXPECT_TRUE(aural.notice().text().contains("43 points")) << aural.notice().text().toStdString();
    EXPECT_NEAR(rig.tuning->analysis().dips.at(0).bottom.hz, 7.1e6, 30e3);

    fast.trigger();
    EXPECT_EQ(rig.box(0), "1");
    EXPECT_EQ(rig.box(1), "50");
    rig.tick();
    EXPECT_EQ(rig.main->measurement().settings().Step, 1);
    EXPECT_FALSE(aural.notice().text().contains("Fast sweep"));
}

TEST(AuralBar, RemembersItsChoicesAndRefusesHandEditedNonsense) {
    const NoSoundDevice noDevice;
    TuningRig rig;
    AuralBar& aural = rig.tuning->auralBar();
    aural.toneAction().trigger();
    aural.louderAction().trigger();
    aural.louderAction().trigger();
    aural.spokenUpdatesAction().trigger();
    rig.tuning->close();
    const AuralPreferences remembered = LoadTuningPreferences(rig.preferences()).aural;
    EXPECT_EQ(remembered, (AuralPreferences{true, 70, true, 10}));

    {
        QSettings file(rig.preferences(), QSettings::IniFormat);
        file.setValue("aural/tone", "yes");
        file.setValue("aural/volumePercent", 300);
        file.setValue("aural/spokenStepKHz", 7);
    }
    EXPECT_EQ(LoadTuningPreferences(rig.preferences()).aural,
              (AuralPreferences{false, 50, true, 10}));
}

}  // namespace
}  // namespace ravemo
