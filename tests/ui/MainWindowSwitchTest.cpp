#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLineEdit>

#include "ui/UiTestSupport.h"
#include "ui/WindowFileControls.h"

namespace ravemo {
namespace {

// Steps from the start (F, H: clicks on Full Sweep, Hold; f: Full Sweep flipped by code; h: Hold
// ticked by a file command), then whether the limit boxes and Full Sweep can be used.
TEST(MainWindowSwitches, ClicksCodeAndFileCommandsLockAndFreeTheBoxesAtOnce) {
    const struct {
        const char* steps;
        bool boxes;
        bool fullSweep;
    } cases[] = {
        {"", true, true},      {"F", false, true},   {"FF", true, true},   {"H", false, false},
        {"HH", true, true},    {"FH", false, false}, {"FHH", false, true}, {"FHHF", true, true},
        {"HF", false, false},  {"f", false, true},   {"h", false, false},  {"hh", false, false},
        {"FHf", false, false}, {"hH", true, true},
    };
    for (const auto& c : cases) {
        test::WindowFixture f;
        const MainWindowControls& w = f.window->controls();
        WindowFileControls files({w.Check8, w.Check7, w.txtVal[0], w.txtVal[1]});
        for (const char* step = c.steps; *step != 0; ++step) {
            if (*step == 'F') w.Check7->click();
            if (*step == 'H') w.Check8->click();
            if (*step == 'f') w.Check7->setChecked(!w.Check7->isChecked());
            if (*step == 'h') files.setHoldValue(1);
        }
        EXPECT_EQ(w.txtVal[0]->isEnabled(), c.boxes) << c.steps;
        EXPECT_EQ(w.txtVal[1]->isEnabled(), c.boxes) << c.steps;
        EXPECT_EQ(w.Check7->isEnabled(), c.fullSweep) << c.steps;
    }
}

}  // namespace
}  // namespace ravemo
