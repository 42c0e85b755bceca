#include <gtest/gtest.h>

#include <stdexcept>

#include "SweepRig.h"
#include "common/NumberText.h"
#include "instrument/Adc.h"
#include "instrument/Dds.h"
#include "sweep/SweepEngine.h"

namespace ravemo {
namespace {

using test::kDataAddress;
using test::RecordingPort;
using test::SweepRig;
using Access = RecordingPort::Access;
using Kind = RecordingPort::Kind;

constexpr double kUnsweptWord = -1.0;

TEST(SweepTick, SweepsEveryStepthIndexUpToChamp) {
    SweepRig rig(10, 3);
    rig.settleLimits(1.0F, 50.0F);
    rig.fillSamples(0.0F, 0.0F, kUnsweptWord);
    rig.engine->tick();
    for (std::size_t i = 0; i <= 10; ++i) {
        EXPECT_EQ(rig.data.DdsWords[i] != kUnsweptWord, i % 3 == 0) << "index " << i;
    }
    EXPECT_EQ(rig.updatePulses(), 4U);
    EXPECT_EQ(rig.pump.count(), 1 + 4 * kYieldsPerPointWithRead);
    EXPECT_EQ(rig.redraw.count, 1);
}

TEST(SweepTick, PortTrafficIsZeroThenFrameAndReadPerPoint) {
    SweepRig rig(1, 1);
    rig.settleLimits(1.0F, 2.0F);
    rig.controls.lowerLimit = "1";
    rig.controls.upperLimit = "2";
    rig.engine->tick();

    RecordingPort expected;
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
    // The last index lies at FMax when the limits did not change since the previous tick.
    EXPECT_DOUBLE_EQ(rig.data.DdsWords[1], TuningWord(2e6));
}

TEST(SweepTick, ReadingsLandInTheirIndex) {
    SweepRig rig(2, 1);
    rig.settleLimits(1.0F, 50.0F);
    rig.port.setDefaultStatus(kPhaseDataMask);  // phase line always high, return loss low
    rig.engine->tick();
    for (std::size_t i = 0; i <= 2; ++i) {
        EXPECT_EQ(rig.data.PhaseSamples[i], 1023.0F);
        EXPECT_EQ(rig.data.ReturnLossSamples[i], 0.0F);
    }
}

TEST(SweepTick, LimitBoxesAreReadByTheirLeadingNumber) {
    SweepRig rig;
    rig.controls.lowerLimit = "1.8";
    rig.controls.upperLimit = "30";
    rig.engine->tick();
    EXPECT_EQ(rig.settings.FMin, 1'800'000.0F);
    EXPECT_EQ(rig.settings.FMax, 30'000'000.0F);

    rig.controls.lowerLimit = "7,1";
    rig.controls.upperLimit = " 3 0 MHz";
    rig.engine->tick();
    EXPECT_EQ(rig.settings.FMin, 7'000'000.0F);
    EXPECT_EQ(rig.settings.FMax, 30'000'000.0F);

    rig.controls.lowerLimit = "abc";
    rig.controls.upperLimit = "";
    rig.engine->tick();
    EXPECT_EQ(rig.settings.FMin, 0.0F);
    EXPECT_EQ(rig.settings.FMax, 0.0F);
}

TEST(SweepTick, CommaLocaleReadsTheCommaAsDecimalSeparator) {
    SweepRig rig(10, 1, QLocale(QLocale::German, QLocale::Germany));
    rig.controls.lowerLimit = "7,1";
    rig.controls.upperLimit = "14.35";
    rig.engine->tick();
    EXPECT_EQ(rig.settings.FMin, 7'100'000.0F);
    EXPECT_EQ(rig.settings.FMax, 14'350'000.0F);
}

TEST(SweepTick, FirstTickAfterStartUpOnlyRefreshesReadoutsSecondSweeps) {
    SweepRig rig;  // settings limits both 10000 Hz, boxes "1" and "50"
    rig.engine->tick();
    EXPECT_EQ(rig.engine->FreqStep(), 0.0);
    EXPECT_EQ(rig.port.accesses(), (std::vector<Access>{{Kind::Write, kDataAddress, 0}}));
    EXPECT_EQ(rig.redraw.count, 0);
    EXPECT_EQ(rig.controls.readoutText(Readout::Mk1Frequency), "1,000,000");

    rig.engine->tick();
    EXPECT_DOUBLE_EQ(rig.engine->FreqStep(), 49e6 / 10);
    EXPECT_DOUBLE_EQ(rig.data.DdsWords[0], TuningWord(1e6));
    EXPECT_DOUBLE_EQ(rig.data.DdsWords[10], TuningWord(50e6));
    EXPECT_EQ(rig.updatePulses(), 11U);
    EXPECT_EQ(rig.redraw.count, 1);
}

TEST(SweepTick, EditedLimitsMoveTheStartAtOnceAndTheStepOneTickLater) {
    SweepRig rig;
    rig.settleLimits(1.0F, 50.0F);
    rig.engine->tick();
    rig.controls.lowerLimit = "2";
    rig.controls.upperLimit = "42";
    rig.engine->tick();
    EXPECT_DOUBLE_EQ(rig.engine->FreqStep(), 4.9e6);
    EXPECT_DOUBLE_EQ(rig.data.DdsWords[10], TuningWord(10 * 4.9e6 + 2e6));
    rig.engine->tick();
    EXPECT_DOUBLE_EQ(rig.engine->FreqStep(), 4e6);
    EXPECT_DOUBLE_EQ(rig.data.DdsWords[10], TuningWord(42e6));
}

TEST(SweepTick, FullSweepWritesTheFullRangeIntoTheBoxesEveryTick) {
    SweepRig rig;
    rig.settings.FullFMin = 1'800'000.0F;
    rig.settings.FullFMax = 30'000'000.0F;
    rig.controls.fullSweep = 1;
    rig.controls.lowerLimit = "5";
    rig.engine->tick();
    EXPECT_EQ(rig.controls.lowerLimit, "1.8");
    EXPECT_EQ(rig.controls.upperLimit, "30");
    EXPECT_EQ(rig.settings.FMin, 1'800'000.0F);

    rig.controls.lowerLimit = "5";  // what the user types is overwritten again
    rig.engine->tick();
    EXPECT_EQ(rig.controls.lowerLimit, "1.8");
    EXPECT_EQ(rig.controls.lowerLimitWrites, 2);
    EXPECT_DOUBLE_EQ(rig.data.DdsWords[0], TuningWord(1.8e6));

    rig.controls.fullSweep = 2;  // only the value 1 counts as ticked
    rig.controls.lowerLimit = "5";
    rig.engine->tick();
    EXPECT_EQ(rig.controls.lowerLimit, "5");
}

TEST(SweepTick, FullSweepInACommaLocaleReadsBackWhatItWrote) {
    SweepRig rig(10, 1, QLocale(QLocale::German, QLocale::Germany));
    rig.settings.FullFMin = 1'800'000.0F;
    rig.settings.FullFMax = 30'000'000.0F;
    rig.controls.fullSweep = 1;
    rig.engine->tick();
    EXPECT_EQ(rig.controls.lowerLimit, "1,8");
    EXPECT_EQ(rig.settings.FMin, 1'800'000.0F);
}

TEST(SweepTick, EqualLimitsForTwoTicksOnlyRefreshTheReadouts) {
    SweepRig rig;
    rig.settleLimits(1.0F, 50.0F);
    rig.controls.lowerLimit = "7";
    rig.controls.upperLimit = "7";
    rig.engine->tick();
    EXPECT_EQ(rig.redraw.count, 1);
    rig.port.clear();
    rig.pump.resetCount();
    rig.controls.readouts.clear();

    rig.engine->tick();
    EXPECT_EQ(rig.port.accesses(), (std::vector<Access>{{Kind::Write, kDataAddress, 0}}));
    EXPECT_EQ(rig.pump.count(), 1);
    EXPECT_EQ(rig.redraw.count, 1);
    EXPECT_EQ(rig.controls.readoutText(Readout::Mk1Frequency), "7,000,000");
    EXPECT_EQ(rig.controls.readoutText(Readout::Mk2Reactance), "0.01");  // from zero readings
}

TEST(SweepTick, WordsAboveTwoToThe31AreStoredButNotSent) {
    SweepRig rig;  // index i at 80 + 2i MHz
    rig.settleLimits(80.0F, 100.0F);
    rig.controls.lowerLimit = "80";
    rig.controls.upperLimit = "100";
    rig.fillSamples(77.0F, 66.0F, 0.0);
    rig.engine->tick();
    EXPECT_EQ(rig.updatePulses(), 6U);  // 80 ... 90 MHz
    EXPECT_EQ(rig.port.readCount(), 6U * 20U);
    EXPECT_DOUBLE_EQ(rig.data.DdsWords[10], TuningWord(100e6));
    EXPECT_DOUBLE_EQ(rig.data.DdsWords[6], TuningWord(92e6));
    EXPECT_EQ(rig.data.ReturnLossSamples[6], 77.0F);
    EXPECT_EQ(rig.data.PhaseSamples[10], 66.0F);
    EXPECT_EQ(rig.data.PhaseSamples[5], 0.0F);  // read, status 0
}

TEST(SweepTick, LimitsBeyondReachSayWhichAndMarkersThereShowNoReading) {
    SweepRig rig;  // index i at 80 + 2i MHz
    rig.settleLimits(80.0F, 100.0F);
    rig.controls.lowerLimit = "80";
    rig.controls.upperLimit = "100";
    rig.controls.marker1X = 8835.0F;                    // index 10, 100 MHz
    rig.controls.marker2X = 3534.0F;                    // index 4, 88 MHz
    rig.fillSamples(300.0F, 200.0F, TuningWord(14e6));  // readings of an older 14 MHz sweep
    const Readout mk1Boxes[] = {
        Readout::Mk1Phase, Readout::Mk1ReturnLoss, Readout::Mk1Reactance,   Readout::Mk1Resistance,
        Readout::Mk1Swr,   Readout::Mk1Impedance,  Readout::Mk1Capacitance, Readout::Mk1Inductance};
    for (int tick = 1; tick <= 2; ++tick) {
        rig.engine->tick();
        for (const Readout box : mk1Boxes) {
            EXPECT_EQ(rig.controls.readoutText(box), NumberText::notANumberMark())
                << "tick " << tick << ", readout " << static_cast<int>(box);
        }
        EXPECT_EQ(rig.controls.readoutText(Readout::Mk1Frequency), "100,000,000");
    }
    EXPECT_EQ(rig.controls.readoutText(Readout::Mk2ReturnLoss),
              "-30");  // 88 MHz was measured: status 0
    // Under new limits the caption moves to 80 MHz, but index 10 of the sweep just made (the
    // readouts' source) was not measured.
    rig.controls.lowerLimit = "60";
    rig.engine->tick();
    EXPECT_EQ(rig.controls.readoutText(Readout::Mk1Frequency), "80,000,000");
    EXPECT_EQ(rig.controls.readoutText(Readout::Mk1ReturnLoss), NumberText::notANumberMark());
    EXPECT_EQ(rig.rangeNotice,
              "The synthesiser reaches 0 to 90.0035 MHz: the upper limit is above 90.0035 MHz. "
              "Points out of its reach are not measured.");

    rig.controls.upperLimit = "90";
    rig.engine->tick();
    EXPECT_TRUE(rig.rangeNotice.isEmpty());
}

TEST(SweepTick, ALimitBeyondSinglePrecisionSendsNothingAndShowsDashes) {
    SweepRig rig;
    rig.settleLimits(1.0F, 50.0F);
    rig.controls.upperLimit = "1e40";
    rig.engine->tick();  // the step still comes from 1..50 MHz
    rig.port.clear();
    rig.engine->tick();  // now the step is infinite: no word can be framed
    EXPECT_EQ(rig.updatePulses(), 0U);
    EXPECT_EQ(rig.port.readCount(), 0U);
    rig.engine->tick();
    EXPECT_EQ(rig.controls.readoutText(Readout::Mk1Frequency), NumberText::notANumberMark());
}

TEST(SweepTick, MarkerReadoutsDescribeThePreviousSweep) {
    SweepRig rig;
    rig.settleLimits(1.0F, 50.0F);
    rig.controls.marker1X = 8835.0F;  // index 10
    rig.port.setDefaultStatus(kPhaseDataMask);
    rig.engine->tick();
    EXPECT_EQ(rig.engine->Mk1Index(), 10);
    EXPECT_EQ(rig.engine->Mk2Index(), 4);  // 10 / 8835 x 3960 = 4.48
    EXPECT_EQ(rig.controls.readoutText(Readout::Mk1Phase), "0");
    EXPECT_EQ(rig.controls.readoutText(Readout::Mk1Frequency), "50,000,000");
    rig.engine->tick();
    EXPECT_EQ(rig.controls.readoutText(Readout::Mk1Phase),
              NumberText::formatTwoDecimals(1023 * 0.175, QLocale::c()));
}

TEST(SweepTick, StepZeroOrMismatchedArraysAreRefused) {
    Settings settings;
    settings.Champ = 10;
    settings.Step = 0;
    SweepData data(10);
    test::FakeSweepControls controls;
    RecordingPort port;
    NullEventPump pump;
    test::CountingRedraw redraw;
    const PortLink link{port, kDataAddress, pump};
    EXPECT_THROW(SweepEngine(settings, data, controls, link, redraw, QLocale::c()),
                 std::invalid_argument);
    settings.Step = 1;
    SweepData shortData(9);
    EXPECT_THROW(SweepEngine(settings, shortData, controls, link, redraw, QLocale::c()),
                 std::invalid_argument);
}

}  // namespace
}  // namespace ravemo
