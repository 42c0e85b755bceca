#include "ui/SweepSwitches.h"

#include <gtest/gtest.h>

namespace ravemo {
namespace {

// The clicks and their effects are tested on the window (MainWindowSwitchTest); this path only
// code takes: Full Sweep unticked while Hold is ticked (its box is locked then).
TEST(SweepSwitches, FullSweepChangeUnderHoldFreesNothing) {
    constexpr SwitchEnables kAllLocked{false, false};
    EXPECT_EQ(SweepSwitches::afterFullSweepChange(0, 1, kAllLocked), kAllLocked);
}

}  // namespace
}  // namespace ravemo
