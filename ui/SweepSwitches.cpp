#include "ui/SweepSwitches.h"

#include "common/CheckBoxValue.h"

namespace ravemo::SweepSwitches {

SwitchEnables afterFullSweepChange(int fullSweep, int hold, SwitchEnables current) {
    if (fullSweep == kTicked) current.limitBoxes = false;
    if (fullSweep == kUnticked && hold == kUnticked) current.limitBoxes = true;
    return current;
}

SwitchEnables afterHoldChange(int fullSweep, int hold, SwitchEnables current) {
    if (hold == kTicked) {
        current.limitBoxes = false;
        current.fullSweepBox = false;
    } else {
        current.fullSweepBox = true;
        if (fullSweep == kUnticked) current.limitBoxes = true;
    }
    return current;
}

}  // namespace ravemo::SweepSwitches
