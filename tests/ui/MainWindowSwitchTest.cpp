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

// Each row: clicks on Full Sweep (F) and Hold (H) from the start, then whether the limit boxes
// and the Full Sweep box can be used.
TEST(MainWindowSwitches, ClicksLockAndFreeTheBoxesAtOnce) {
    const struct {
        const char* clicks;
        bool boxes;
        bool fullSweep;
    } cases[] = {
        {"", true, true},     {"F", false, true},   {"FF", true, true},
        {"H", false, false},  {"HH", true, true},   {"FH", false, false},
        {"FHH", false, true}, {"FHHF", true, true}, {"HF", false, false},
    };
    for (const auto& c : cases) {
        test::WindowFixture f;
        SwitchView v(*f.window);
        for (const char* click = c.clicks; *click != 0; ++click) {
            (*click == 'F' ? v.fullSweep : v.hold)->click();
        }
        EXPECT_EQ(v.boxesEnabled(), c.boxes) << c.clicks;
        EXPECT_EQ(v.fullSweepEnabled(), c.fullSweep) << c.clicks;
    }
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
