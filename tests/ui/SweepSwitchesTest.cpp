#include "ui/SweepSwitches.h"

#include <gtest/gtest.h>

namespace ravemo {
namespace {

using SweepSwitches::afterFullSweepChange;
using SweepSwitches::afterHoldChange;

constexpr SwitchEnables kAllFree{true, true};
constexpr SwitchEnables kBoxesLocked{false, true};
constexpr SwitchEnables kAllLocked{false, false};

// Plays user clicks through the two rules, as the window does.
struct Switches {
    int fullSweep = 0;
    int hold = 0;
    SwitchEnables enables = kAllFree;

    void setFullSweep(int value) {
        fullSweep = value;
        enables = afterFullSweepChange(fullSweep, hold, enables);
    }
    void setHold(int value) {
        hold = value;
        enables = afterHoldChange(fullSweep, hold, enables);
    }
};

TEST(SweepSwitches, FullSweepLocksAndFreesTheLimitBoxes) {
    Switches s;
    s.setFullSweep(1);
    EXPECT_EQ(s.enables, kBoxesLocked);
    s.setFullSweep(0);
    EXPECT_EQ(s.enables, kAllFree);
}

TEST(SweepSwitches, HoldAloneLocksEverythingAndFreesItAgain) {
    Switches s;
    s.setHold(1);
    EXPECT_EQ(s.enables, kAllLocked);
    s.setHold(0);
    EXPECT_EQ(s.enables, kAllFree);
}

TEST(SweepSwitches, UnholdingUnderFullSweepKeepsTheBoxesLocked) {
    Switches s;
    s.setFullSweep(1);
    s.setHold(1);
    EXPECT_EQ(s.enables, kAllLocked);
    s.setHold(0);
    EXPECT_EQ(s.enables, kBoxesLocked);  // Full Sweep clickable, boxes still locked
    s.setFullSweep(0);
    EXPECT_EQ(s.enables, kAllFree);
}

TEST(SweepSwitches, EveryRowOfTheStateTable) {
    // Reach each row from every other by one click sequence and compare with the table.
    const auto row = [](int fullSweep, int hold) {
        if (hold == 1) return kAllLocked;
        return fullSweep == 1 ? kBoxesLocked : kAllFree;
    };
    for (int fs = 0; fs <= 1; ++fs) {
        for (int h = 0; h <= 1; ++h) {
            Switches s;
            s.setFullSweep(fs);
            s.setHold(h);
            EXPECT_EQ(s.enables, row(fs, h)) << "Full Sweep " << fs << ", Hold " << h;
        }
    }
}

TEST(SweepSwitches, FullSweepChangeUnderHoldFreesNothing) {
    // Code may untick Full Sweep while Hold is ticked (the box itself is locked then).
    const SwitchEnables next = afterFullSweepChange(0, 1, kAllLocked);
    EXPECT_EQ(next, kAllLocked);
}

}  // namespace
}  // namespace ravemo
