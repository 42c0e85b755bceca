#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLineEdit>

#include "ui/UiTestSupport.h"
#include "ui/WindowFileControls.h"

namespace ravemo {
namespace {

// The window's switches as the user sees them: limit boxes and Full Sweep enabled or not.
struct SwitchView {
    explicit SwitchView(MainWindow& w)
        : fullSweep(w.findChild<QCheckBox*>("Check7")),
          hold(w.findChild<QCheckBox*>("Check8")),
          lower(w.findChild<QLineEdit*>("txtVal_0")),
          upper(w.findChild<QLineEdit*>("txtVal_1")) {}

    bool boxesEnabled() const {
        EXPECT_EQ(lower->isEnabled(), upper->isEnabled());
        return lower->isEnabled();
    }
    bool fullSweepEnabled() const { return fullSweep->isEnabled(); }

    QCheckBox* fullSweep;
    QCheckBox* hold;
    QLineEdit* lower;
    QLineEdit* upper;
};

TEST(MainWindowSwitches, FullSweepLocksTheLimitBoxesAtOnce) {
    test::WindowFixture f;
    SwitchView v(*f.window);
    v.fullSweep->click();
    EXPECT_FALSE(v.boxesEnabled());
    EXPECT_TRUE(v.fullSweepEnabled());
    v.fullSweep->click();
    EXPECT_TRUE(v.boxesEnabled());
}

TEST(MainWindowSwitches, HoldUnderFullSweepThenUnhold) {
    test::WindowFixture f;
    SwitchView v(*f.window);
    v.fullSweep->click();
    v.hold->click();
    EXPECT_FALSE(v.boxesEnabled());
    EXPECT_FALSE(v.fullSweepEnabled());
    v.hold->click();
    EXPECT_TRUE(v.fullSweepEnabled());
    EXPECT_FALSE(v.boxesEnabled());
    v.fullSweep->click();
    EXPECT_TRUE(v.boxesEnabled());
}

TEST(MainWindowSwitches, HoldAloneAndBack) {
    test::WindowFixture f;
    SwitchView v(*f.window);
    v.hold->click();
    EXPECT_FALSE(v.boxesEnabled());
    EXPECT_FALSE(v.fullSweepEnabled());
    v.hold->click();
    EXPECT_TRUE(v.boxesEnabled());
    EXPECT_TRUE(v.fullSweepEnabled());
}

TEST(MainWindowSwitches, FileCommandTickingHoldLocksLikeAClick) {
    test::WindowFixture f;
    SwitchView v(*f.window);
    const MainWindowControls& c = f.window->controls();
    WindowFileControls files({c.Check8, c.Check7, c.txtVal[0], c.txtVal[1]});
    files.setHoldValue(1);
    EXPECT_TRUE(v.hold->isChecked());
    EXPECT_FALSE(v.boxesEnabled());
    EXPECT_FALSE(v.fullSweepEnabled());
    files.setHoldValue(1);  // already ticked: nothing changes
    EXPECT_FALSE(v.fullSweepEnabled());
    files.setLowerLimitText("3.5");
    EXPECT_EQ(files.lowerLimitText(), "3.5");
    EXPECT_EQ(v.lower->text(), "3.5");
}

TEST(MainWindowSwitches, SettingFullSweepFromCodeRunsItsRule) {
    test::WindowFixture f;
    SwitchView v(*f.window);
    v.fullSweep->setChecked(true);
    EXPECT_FALSE(v.boxesEnabled());
}

}  // namespace
}  // namespace ravemo
