#pragma once

#include "sweep/PlainSweepControls.h"
#include "sweep/SweepControls.h"

namespace ravemo::test {

// The sweep's window-side controls: the program's own plain ones.
using FakeSweepControls = PlainSweepControls;

// A redraw that only counts its calls.
class CountingRedraw final : public SweepRedraw {
  public:
    int count = 0;
    void redraw() override { ++count; }
};

}  // namespace ravemo::test
