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
constexpr int pointYield(int k) { return 2 + k * kYieldsPerPointWithRead; }

TEST(SweepTickInterleaving, HoldStepsTheSynthesiserButReadsNothing) {
    for (const int held : {1, 2}) {
        SweepRig rig;
        rig.settleLimits(1.0F, 50.0F);
        rig.fillSamples(77.0F, 66.0F, 0.0);
        rig.controls.hold = held;
        rig.engine->tick();
        EXPECT_EQ(rig.updatePulses(), 11U) << "Hold value " << held;
        EXPECT_EQ(rig.port.readCount(), 0U);
        EXPECT_TRUE(std::all_of(rig.data.ReturnLossSamples.begin(),
                                rig.data.ReturnLossSamples.end(),
                                [](float v) { return v == 77.0F; }));
        EXPECT_TRUE(std::all_of(rig.data.PhaseSamples.begin(), rig.data.PhaseSamples.end(),
                                [](float v) { return v == 66.0F; }));
        EXPECT_EQ(rig.redraw.count, 1);  // the held readings are redrawn
    }
}

TEST(SweepTickInterleaving, HoldTickedInsideAFrameStopsReadsFromThatPointOn) {
    SweepRig rig;
    rig.settleLimits(1.0F, 50.0F);
    rig.fillSamples(77.0F, 66.0F, 0.0);
    rig.pump.atYield(pointYield(3) + 5, [&] { rig.controls.hold = 1; });
    rig.engine->tick();
    EXPECT_EQ(rig.port.readCount(), 3U * 20U);
    EXPECT_EQ(rig.data.ReturnLossSamples[2], 0.0F);
    EXPECT_EQ(rig.data.ReturnLossSamples[3], 77.0F);
    EXPECT_EQ(rig.updatePulses(), 11U);
}

TEST(SweepTickInterleaving, HoldUntickedBetweenPointsResumesReading) {
    SweepRig rig;
    rig.settleLimits(1.0F, 50.0F);
    rig.controls.hold = 1;
    // Held points cost 32 yields; untick at the start of point 9.
    rig.pump.atYield(2 + 9 * 32, [&] { rig.controls.hold = 0; });
    rig.engine->tick();
    EXPECT_EQ(rig.port.readCount(), 2U * 20U);
}

TEST(SweepTickInterleaving, ATickInsideAYieldIsRefusedWithoutPortAccess) {
    SweepRig rig;
    rig.settleLimits(1.0F, 50.0F);
    std::size_t before = 0;
    std::size_t after = 0;
    bool tickingInside = false;
    rig.pump.atYield(pointYield(1) + 3, [&] {
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

TEST(SweepTickInterleaving, CloseMidSweepEndsTheTickWithoutPortAccessOrRedraw) {
    SweepRig rig;
    rig.settleLimits(1.0F, 50.0F);
    std::size_t accessesAtClose = 0;
    rig.pump.atYield(pointYield(4) + 20, [&] {
        accessesAtClose = rig.port.accesses().size();
        throw SweepCancelled();
    });
    EXPECT_NO_THROW(rig.engine->tick());
    EXPECT_EQ(rig.port.accesses().size(), accessesAtClose);
    EXPECT_EQ(rig.redraw.count, 0);
    EXPECT_FALSE(rig.engine->ticking());
}

TEST(SweepTickInterleaving, CloseInsideAConverterReadLeavesThePortAlone) {
    SweepRig rig;
    rig.settleLimits(1.0F, 50.0F);
    std::size_t accessesAtClose = 0;
    rig.pump.atYield(pointYield(0) + 31 + 4, [&] {  // the 4th converter bit of point 0
        accessesAtClose = rig.port.accesses().size();
        throw SweepCancelled();
    });
    rig.engine->tick();
    EXPECT_EQ(rig.port.accesses().size(), accessesAtClose);
    EXPECT_EQ(rig.redraw.count, 0);
}

TEST(SweepTickInterleaving, ProductionPumpAfterCancelTouchesNothing) {
    SweepRig rig;
    rig.settleLimits(1.0F, 50.0F);
    QtEventPump pump;
    SweepEngine engine(rig.settings, rig.data, rig.controls,
                       PortLink{rig.port, test::kDataAddress, pump}, rig.redraw,
                       QLocale(QLocale::English, QLocale::UnitedStates));
    pump.requestCancel();
    engine.tick();
    EXPECT_TRUE(rig.port.accesses().empty());
    EXPECT_EQ(rig.redraw.count, 0);
    EXPECT_TRUE(rig.controls.readouts.empty());
}

TEST(SweepTickInterleaving, FileLoadedMidSweepIsWhatTheRestOfTheSweepWorksOn) {
    SweepRig rig;
    rig.settleLimits(1.0F, 50.0F);
    const float* returnLossCells = rig.data.ReturnLossSamples.data();
    // The open command ticks Hold, then replaces the arrays' contents in one piece.
    rig.pump.atYield(pointYield(5), [&] {
        rig.controls.hold = 1;
        rig.fillSamples(300.0F, 400.0F, 5.0);
    });
    rig.engine->tick();
    EXPECT_EQ(rig.data.ReturnLossSamples.data(), returnLossCells);
    for (std::size_t i = 0; i <= 10; ++i) {
        EXPECT_EQ(rig.data.ReturnLossSamples[i], 300.0F) << "index " << i;
        EXPECT_EQ(rig.data.PhaseSamples[i], 400.0F) << "index " << i;
    }
    // Points before the load keep the loaded words; from point 5 on the sweep writes its own.
    EXPECT_EQ(rig.data.DdsWords[4], 5.0);
    EXPECT_DOUBLE_EQ(rig.data.DdsWords[5], TuningWord(5 * 4.9e6 + 1e6));
    EXPECT_EQ(rig.redraw.count, 1);
}

TEST(SweepTickInterleaving, FileLoadedWithoutHoldIsOverwrittenPointByPoint) {
    SweepRig rig;
    rig.settleLimits(1.0F, 50.0F);
    rig.pump.atYield(pointYield(5), [&] { rig.fillSamples(300.0F, 400.0F, 5.0); });
    rig.engine->tick();
    EXPECT_EQ(rig.data.ReturnLossSamples[4], 300.0F);
    EXPECT_EQ(rig.data.ReturnLossSamples[5], 0.0F);
    EXPECT_EQ(rig.data.ReturnLossSamples[10], 0.0F);
}

}  // namespace
}  // namespace ravemo
