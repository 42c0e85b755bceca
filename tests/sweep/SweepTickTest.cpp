#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

#include <QCoreApplication>

#include "common/NumberText.h"
#include "common/QtEventPump.h"
#include "common/SweepCancelled.h"
#include "instrument/Adc.h"
#include "instrument/Dds.h"
#include "support/FakeSweepControls.h"
#include "support/RecordingPort.h"
#include "support/ScriptedPump.h"
#include "sweep/SweepEngine.h"

namespace ravemo {
namespace {

using test::RecordingPort;
constexpr std::uint16_t kDataAddress = 888;
constexpr std::uint8_t kUpdatePulse = 28;
// Yield number of the first yield of point k when every earlier point was read.
constexpr int PointYield(int k) { return 2 + k * kYieldsPerPointWithRead; }

// An engine on a recording port and a scripted pump, its limits settled on the boxes' 1 and 50 MHz.
struct SweepRig {
    explicit SweepRig(std::int32_t champ = 10, std::int16_t step = 1,
                      const QLocale& locale = QLocale(QLocale::English, QLocale::UnitedStates))
        : data(champ) {
        settings.Champ = champ;
        settings.Step = step;
        settings.FMin = 1e6F;
        settings.FMax = 50e6F;
        engine = std::make_unique<SweepEngine>(settings, data, controls,
                                               PortLink{port, kDataAddress, pump}, redraw, locale);
    }
    void fillSamples(float reading, double word) {
        std::fill(data.ReturnLossSamples.begin(), data.ReturnLossSamples.end(), reading);
        std::fill(data.PhaseSamples.begin(), data.PhaseSamples.end(), reading);
        std::fill(data.DdsWords.begin(), data.DdsWords.end(), word);
    }
    std::size_t updatePulses() const {
        const auto values = port.writtenValues();
        return static_cast<std::size_t>(std::count(values.begin(), values.end(), kUpdatePulse));
    }

    Settings settings;
    SweepData data;
    test::FakeSweepControls controls;
    RecordingPort port;
    test::ScriptedPump pump;
    test::CountingRedraw redraw;
    std::unique_ptr<SweepEngine> engine;
};

TEST(SweepTick, WritesZeroThenPerStepthPointItsFrameAndReadsTheConvertersIntoItsIndex) {
    SweepRig rig(2, 2);
    rig.settings.FMax = 2e6F;
    rig.fillSamples(5.0F, -1.0);
    rig.controls.lowerLimit = "1";
    rig.controls.upperLimit = "2";
    rig.port.setDefaultStatus(kPhaseDataMask);  // phase line always high, return loss low
    rig.engine->tick();

    RecordingPort expected;
    expected.setDefaultStatus(kPhaseDataMask);
    NullEventPump noYields;
    const PortLink link{expected, kDataAddress, noYields};
    link.writeData(0);
    float phase = 0.0F;
    float returnLoss = 0.0F;
    for (const double hz : {1e6, 2e6}) {
        DdsLoadWord(link, TuningWord(hz));
        ReadAdcPair(link, phase, returnLoss);
    }
    EXPECT_EQ(rig.port.accesses(), expected.accesses());
    EXPECT_EQ(rig.data.DdsWords, (std::vector<double>{TuningWord(1e6), -1.0, TuningWord(2e6)}));
    EXPECT_EQ(rig.data.PhaseSamples, (std::vector<float>{1023.0F, 5.0F, 1023.0F}));
    EXPECT_EQ(rig.data.ReturnLossSamples, (std::vector<float>{0.0F, 5.0F, 0.0F}));
    EXPECT_EQ(rig.redraw.count, 1);
}

TEST(SweepTick, EditedLimitsMoveTheStartAtOnceAndTheStepOneTickLater) {
    SweepRig rig(10, 1, QLocale(QLocale::German, QLocale::Germany));
    rig.settings.FMin = rig.settings.FMax = 10000.0F;
    rig.engine->tick();  // equal limits: no step, only the readouts
    EXPECT_EQ(rig.port.writtenValues(), (std::vector<std::uint8_t>{0}));
    EXPECT_EQ(rig.redraw.count, 0);

    rig.engine->tick();
    EXPECT_DOUBLE_EQ(rig.data.DdsWords[10], TuningWord(50e6));
    rig.controls.lowerLimit = "2,5";  // in the locale, by the leading number
    rig.controls.upperLimit = " 4 2 MHz";
    rig.engine->tick();
    EXPECT_DOUBLE_EQ(rig.data.DdsWords[10], TuningWord(10 * 4.9e6 + 2.5e6));
    rig.engine->tick();
    EXPECT_DOUBLE_EQ(rig.data.DdsWords[10], TuningWord(42e6));
    // Full sweep (the value 1 only) writes the full range into the boxes, in the locale.
    rig.settings.FullFMin = 1'800'000.0F;
    for (const int fullSweep : {2, 1}) {
        rig.controls.fullSweep = fullSweep;
        rig.engine->tick();
        EXPECT_EQ(rig.controls.lowerLimit, fullSweep == 1 ? "1,8" : "2,5");
    }
}

TEST(SweepTick, PointsBeyondReachAreStoredButNeitherSentNorShown) {
    SweepRig rig;  // index i at 80 + 2i MHz
    rig.settings.FMin = 80e6F;
    rig.settings.FMax = 100e6F;
    rig.controls.lowerLimit = "80";
    rig.controls.upperLimit = "100";
    rig.controls.marker1X = 8835.0F;            // index 10, 100 MHz
    rig.fillSamples(300.0F, TuningWord(14e6));  // readings of an older 14 MHz sweep
    rig.engine->tick();
    EXPECT_EQ(rig.updatePulses(), 6U);  // 80 ... 90 MHz
    EXPECT_DOUBLE_EQ(rig.data.DdsWords[10], TuningWord(100e6));
    EXPECT_EQ(rig.data.ReturnLossSamples[6], 300.0F);  // 92 MHz: kept as it was
    EXPECT_EQ(rig.controls.readoutText(Readout::Mk1Swr), NumberText::notANumberMark());
    EXPECT_EQ(rig.controls.readoutText(Readout::Mk1Frequency), "100,000,000");
    // MK2 (index 4, 88 MHz) shows the sweep before: the older reading, then this one's.
    EXPECT_NE(rig.controls.readoutText(Readout::Mk2ReturnLoss), "-30");
    rig.engine->tick();
    EXPECT_EQ(rig.controls.readoutText(Readout::Mk2ReturnLoss), "-30");

    rig.controls.upperLimit = "1e40";  // beyond single precision: an infinite step next tick
    rig.engine->tick();
    rig.port.clear();
    rig.engine->tick();
    EXPECT_EQ(rig.port.writtenValues().size(), 1U);
    EXPECT_EQ(rig.controls.readoutText(Readout::Mk1Frequency), NumberText::notANumberMark());
}

TEST(SweepTick, StepZeroOrMismatchedArraysAreRefused) {
    SweepRig rig;
    Settings stepZero = rig.settings;
    stepZero.Step = 0;
    SweepData nine(9);
    const PortLink link{rig.port, kDataAddress, rig.pump};
    EXPECT_THROW(SweepEngine(stepZero, rig.data, rig.controls, link, rig.redraw, QLocale::c()),
                 std::invalid_argument);
    EXPECT_THROW(SweepEngine(rig.settings, nine, rig.controls, link, rig.redraw, QLocale::c()),
                 std::invalid_argument);
}

TEST(SweepTick, HoldStepsTheSynthesiserButReadsFromNoPointWhileTicked) {
    const struct {
        int holdAtStart;
        int changeAtYield;
        int holdThen;
        std::size_t pointsRead;
    } cases[] = {
        {0, PointYield(3) + 5, 1, 3},            // ticked inside point 3's frame
        {2, 2 + 9 * kYieldsPerPointHeld, 0, 2},  // any value but 0 holds; unticked before point 9
    };
    for (const auto& c : cases) {
        SweepRig rig;
        rig.controls.hold = c.holdAtStart;
        rig.pump.atYield(c.changeAtYield, [&rig, &c] { rig.controls.hold = c.holdThen; });
        rig.engine->tick();
        EXPECT_EQ(rig.updatePulses(), 11U);
        EXPECT_EQ(rig.port.readCount(), c.pointsRead * 20U) << c.holdAtStart;
        EXPECT_EQ(rig.redraw.count, 1);  // held readings are redrawn
    }
}

// An adapter pulled out during points 3 and 4: their zeros are marked as no measurement; a held
// tick keeps the marks (its readings are still those zeros) and the next read clears them.
TEST(SweepTick, PointsWhosePortAccessesFailedAreMarkedNotMeasuredUntilReadAgain) {
    SweepRig rig;
    rig.pump.atYield(PointYield(3) + 7, [&rig] { rig.port.setFailing(true); });
    rig.pump.atYield(PointYield(5), [&rig] { rig.port.setFailing(false); });
    rig.engine->tick();
    const auto marked = [&rig] {
        std::vector<int> indices;
        for (int i = 0; i <= 10; ++i) {
            if (!WordIsReachable(rig.data.DdsWords[static_cast<std::size_t>(i)])) {
                indices.push_back(i);
            }
        }
        return indices;
    };
    EXPECT_EQ(marked(), (std::vector<int>{3, 4}));

    rig.controls.hold = 1;
    rig.port.setFailing(true);  // a held tick reads nothing: its failed loads spoil no reading
    rig.engine->tick();
    EXPECT_EQ(marked(), (std::vector<int>{3, 4}));
    rig.port.setFailing(false);
    rig.engine->tick();
    EXPECT_EQ(marked(), (std::vector<int>{3, 4}));
    rig.controls.hold = 0;
    rig.engine->tick();
    EXPECT_EQ(marked(), std::vector<int>{});
    EXPECT_EQ(rig.data.DdsWords[4], TuningWord(1e6 + 4 * 4.9e6));
}

// Limits typed under Hold: the synthesiser steps through them, but the held readings keep the
// frequencies they were read at (for the analysis and a save), and MK1, now at 20 MHz, does not
// show the reading of 50 MHz as its own. Unticked, the new limits are read.
TEST(SweepTick, HeldReadingsKeepTheFrequenciesTheyWereReadAt) {
    SweepRig rig;
    rig.controls.marker1X = 8835.0F;  // index 10
    rig.engine->tick();
    const std::vector<double> read = rig.data.DdsWords;
    rig.controls.hold = 1;
    rig.controls.lowerLimit = "10";
    rig.controls.upperLimit = "20";
    rig.engine->tick();
    rig.engine->tick();
    EXPECT_EQ(rig.updatePulses(), 33U);
    EXPECT_EQ(rig.data.DdsWords, read);
    EXPECT_EQ(rig.controls.readoutText(Readout::Mk1Frequency), "20,000,000");
    EXPECT_EQ(rig.controls.readoutText(Readout::Mk1ReturnLoss), NumberText::notANumberMark());

    rig.controls.hold = 0;
    rig.engine->tick();
    EXPECT_DOUBLE_EQ(rig.data.DdsWords[10], TuningWord(20e6));
    rig.engine->tick();
    EXPECT_NE(rig.controls.readoutText(Readout::Mk1ReturnLoss), NumberText::notANumberMark());
}

TEST(SweepTick, ATickInsideAYieldIsRefusedAndACloseEndsTheTickWithoutPortAccess) {
    SweepRig rig;
    rig.pump.atYield(PointYield(1) + 3, [&] { rig.engine->tick(); });
    rig.engine->tick();
    EXPECT_EQ(rig.updatePulses(), 11U);
    EXPECT_EQ(rig.pump.count(), 1 + 11 * kYieldsPerPointWithRead);

    std::size_t accessesAtClose = 0;
    rig.pump.atYield(rig.pump.count() + PointYield(4) + 20, [&] {  // inside a frame
        accessesAtClose = rig.port.accesses().size();
        throw SweepCancelled();
    });
    EXPECT_NO_THROW(rig.engine->tick());
    EXPECT_EQ(rig.port.accesses().size(), accessesAtClose);
    EXPECT_EQ(rig.redraw.count, 1);
    EXPECT_FALSE(rig.engine->ticking());
}

std::chrono::steady_clock::time_point gNow{std::chrono::hours(1)};
std::chrono::steady_clock::time_point TestClock() { return gNow; }

TEST(QtEventPump, ProcessesEventsAtMostOncePerIntervalAndThrowsOnceCancelled) {
    int argc = 1;
    char name[] = "ravemo_tests_sweep";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QtEventPump pump(QtEventPump::Pace::Throttled, &TestClock);
    int handled = 0;
    // Posts `action` to run at the next processEvents(), then yields `times` times.
    const auto postAndYield = [&](const std::function<void()>& action, unsigned times) {
        QMetaObject::invokeMethod(&app, action, Qt::QueuedConnection);
        for (unsigned k = 0; k < times; ++k) pump.yield();
    };
    constexpr unsigned kCheck = QtEventPump::kYieldsPerClockCheck;

    postAndYield([&] { ++handled; }, kCheck - 1);  // no clock check yet
    EXPECT_EQ(handled, 0);
    pump.yield();
    EXPECT_EQ(handled, 1);
    gNow += QtEventPump::kMinimumInterval - std::chrono::microseconds(1);
    postAndYield([&] { ++handled; }, 10 * kCheck);  // within the interval: nothing runs
    EXPECT_EQ(handled, 1);
    gNow += std::chrono::microseconds(1);
    postAndYield([] {}, kCheck);
    EXPECT_EQ(handled, 2);

    // A close handler that runs inside a yield makes that very yield throw, and every later one.
    gNow += QtEventPump::kMinimumInterval;
    EXPECT_THROW(postAndYield([&] { pump.requestCancel(); }, kCheck), SweepCancelled);
    gNow += QtEventPump::kMinimumInterval;
    EXPECT_THROW(postAndYield([&] { ++handled; }, kCheck), SweepCancelled);
    EXPECT_EQ(handled, 2);  // nothing processed after the cancel
}

}  // namespace
}  // namespace ravemo
