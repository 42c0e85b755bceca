// What handlers running inside the sweep's yields do to the tick: Hold, a nested tick, a close,
// a file loaded mid-sweep.
#include <gtest/gtest.h>

#include <algorithm>

#include "SweepRig.h"
#include "common/QtEventPump.h"
#include "common/SweepCancelled.h"
#include "instrument/Dds.h"
#include "sweep/SweepEngine.h"

namespace ravemo {
namespace {

using test::SweepRig;

// Yield number of the first yield of point k when every earlier point was read.
constexpr int PointYield(int k) { return 2 + k * kYieldsPerPointWithRead; }

TEST(SweepTickInterleaving, HoldStepsTheSynthesiserButReadsFromNoPointWhileTicked) {
    const struct {
        int holdAtStart;
        int changeAtYield;  // 0: none
        int holdThen;
        std::size_t pointsRead;
    } cases[] = {
        {1, 0, 1, 0},
        {2, 0, 2, 0},                            // any value but 0 holds
        {0, PointYield(3) + 5, 1, 3},            // ticked inside point 3's frame
        {1, 2 + 9 * kYieldsPerPointHeld, 0, 2},  // unticked before point 9
    };
    for (const auto& c : cases) {
        SweepRig rig;
        rig.settleLimits(1.0F, 50.0F);
        rig.fillSamples(77.0F, 66.0F, 0.0);
        rig.controls.hold = c.holdAtStart;
        if (c.changeAtYield != 0) {
            rig.pump.atYield(c.changeAtYield, [&rig, &c] { rig.controls.hold = c.holdThen; });
        }
        rig.engine->tick();
        EXPECT_EQ(rig.updatePulses(), 11U);
        EXPECT_EQ(rig.port.readCount(), c.pointsRead * 20U) << c.holdAtStart;
        const auto kept =
            std::count(rig.data.PhaseSamples.begin(), rig.data.PhaseSamples.end(), 66.0F);
        EXPECT_EQ(static_cast<std::size_t>(kept), 11U - c.pointsRead);
        EXPECT_EQ(rig.redraw.count, 1);  // held readings are redrawn
    }
}

TEST(SweepTickInterleaving, ATickInsideAYieldIsRefusedWithoutPortAccess) {
    SweepRig rig;
    rig.settleLimits(1.0F, 50.0F);
    std::size_t before = 0;
    std::size_t after = 0;
    bool tickingInside = false;
    rig.pump.atYield(PointYield(1) + 3, [&] {
        tickingInside = rig.engine->ticking();
        before = rig.port.accesses().size();
        rig.engine->tick();
        after = rig.port.accesses().size();
    });
    rig.engine->tick();
    EXPECT_TRUE(tickingInside);
    EXPECT_EQ(before, after);
    EXPECT_EQ(rig.redraw.count, 1);
    EXPECT_FALSE(rig.engine->ticking());
    EXPECT_EQ(rig.pump.count(), 1 + 11 * kYieldsPerPointWithRead);
}

TEST(SweepTickInterleaving, ACloseEndsTheTickWithoutPortAccessOrRedraw) {
    // Inside a frame, and inside a converter read.
    for (const int closeAt : {PointYield(4) + 20, PointYield(0) + 31 + 4}) {
        SweepRig rig;
        rig.settleLimits(1.0F, 50.0F);
        std::size_t accessesAtClose = 0;
        rig.pump.atYield(closeAt, [&] {
            accessesAtClose = rig.port.accesses().size();
            throw SweepCancelled();
        });
        EXPECT_NO_THROW(rig.engine->tick());
        EXPECT_EQ(rig.port.accesses().size(), accessesAtClose) << closeAt;
        EXPECT_EQ(rig.redraw.count, 0);
        EXPECT_FALSE(rig.engine->ticking());
    }
    // The program's pump, once cancelled, lets a tick touch nothing at all.
    SweepRig rig;
    rig.settleLimits(1.0F, 50.0F);
    QtEventPump pump;
    SweepEngine engine(rig.settings, rig.data, rig.controls,
                       PortLink{rig.port, test::kDataAddress, pump}, rig.redraw, QLocale::c());
    pump.requestCancel();
    engine.tick();
    EXPECT_TRUE(rig.port.accesses().empty());
    EXPECT_EQ(rig.redraw.count, 0);
    EXPECT_TRUE(rig.controls.readouts.empty());
}

TEST(SweepTickInterleaving, AFileLoadedMidSweepStaysUnderHoldAndIsOverwrittenWithout) {
    for (const int hold : {1, 0}) {
        SweepRig rig;
        rig.settleLimits(1.0F, 50.0F);
        const float* cells = rig.data.ReturnLossSamples.data();
        // The open command ticks Hold, then replaces the arrays' contents in one piece.
        rig.pump.atYield(PointYield(5), [&] {
            rig.controls.hold = hold;
            rig.fillSamples(300.0F, 400.0F, 5.0);
        });
        rig.engine->tick();
        EXPECT_EQ(rig.data.ReturnLossSamples.data(), cells);
        EXPECT_EQ(rig.data.ReturnLossSamples[4], 300.0F);
        EXPECT_EQ(rig.data.ReturnLossSamples[5], hold == 1 ? 300.0F : 0.0F);
        EXPECT_EQ(rig.data.PhaseSamples[10], hold == 1 ? 400.0F : 0.0F);
        // Points before the load keep the loaded words; from point 5 on the sweep writes its own.
        EXPECT_EQ(rig.data.DdsWords[4], 5.0);
        EXPECT_DOUBLE_EQ(rig.data.DdsWords[5], TuningWord(5 * 4.9e6 + 1e6));
    }
}

}  // namespace
}  // namespace ravemo
