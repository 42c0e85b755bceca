#pragma once

namespace ravemo {

// Which controls of the sweep-limits frame may be used, as the Full Sweep (Check7) and Hold
// (Check8) switches leave them. Together the two click rules give: the limit boxes can be
// edited only while neither switch is ticked, and Full Sweep can be changed only while Hold is
// unticked. Switch values are those of a check box: 0 unticked, 1 ticked, 2 greyed.
struct SwitchEnables {
    bool limitBoxes = true;    // txtVal(0) and txtVal(1)
    bool fullSweepBox = true;  // Check7
    bool operator==(const SwitchEnables&) const = default;
};

namespace SweepSwitches {

// After Full Sweep changed: ticked locks the limit boxes; unticked frees them unless Hold is
// ticked.
SwitchEnables afterFullSweepChange(int fullSweep, int hold, SwitchEnables current);

// After Hold changed: ticked locks the limit boxes and Full Sweep; otherwise Full Sweep is
// freed, and the limit boxes too unless Full Sweep is ticked.
SwitchEnables afterHoldChange(int fullSweep, int hold, SwitchEnables current);

}  // namespace SweepSwitches
}  // namespace ravemo
