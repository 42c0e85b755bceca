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

const QLocale kGerman(QLocale::German, QLocale::Germany);
const std::vector<Access> kOnlyTheZeroWrite{{Kind::Write, kDataAddress, 0}};

TEST(SweepTick, WritesZeroThenPerPointItsFrameAndReadsTheConvertersIntoItsIndex) {
    SweepRig rig(1, 1);
    rig.settleLimits(1.0F, 2.0F);
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
    EXPECT_EQ(rig.data.DdsWords[1], TuningWord(2e6));
    EXPECT_EQ(rig.data.PhaseSamples, (std::vector<float>{1023.0F, 1023.0F}));
    EXPECT_EQ(rig.data.ReturnLossSamples, (std::vector<float>{0.0F, 0.0F}));
    EXPECT_EQ(rig.redraw.count, 1);
}

TEST(SweepTick, SweepsEveryStepthIndexUpToChamp) {
    SweepRig rig(10, 3);
    rig.settleLimits(1.0F, 50.0F);
    rig.fillSamples(0.0F, 0.0F, -1.0);
    rig.engine->tick();
    for (std::size_t i = 0; i <= 10; ++i) {
        EXPECT_EQ(rig.data.DdsWords[i] != -1.0, i % 3 == 0) << "index " << i;
    }
    EXPECT_EQ(rig.updatePulses(), 4U);
    EXPECT_EQ(rig.pump.count(), 1 + 4 * kYieldsPerPointWithRead);
}

TEST(SweepTick, LimitBoxesAreReadByTheirLeadingNumberInMegahertz) {
    const struct {
        const char* lower;
        const char* upper;
        QLocale locale;
        float fMin;
        float fMax;
    } cases[] = {
        {"1.8", "30", QLocale::c(), 1.8e6F, 30e6F},
        {"7,1", " 3 0 MHz", QLocale::c(), 7e6F, 30e6F},
        {"abc", "", QLocale::c(), 0.0F, 0.0F},
        {"7,1", "14.35", kGerman, 7.1e6F, 14.35e6F},
    };
    for (const auto& c : cases) {
        SweepRig rig(10, 1, c.locale);
        rig.controls.lowerLimit = c.lower;
        rig.controls.upperLimit = c.upper;
        rig.engine->tick();
        EXPECT_EQ(rig.settings.FMin, c.fMin) << c.lower;
        EXPECT_EQ(rig.settings.FMax, c.fMax) << c.upper;
    }
}

TEST(SweepTick, FirstTickAfterStartUpOnlyRefreshesReadoutsSecondSweeps) {
    SweepRig rig;  // settings limits both 10000 Hz, boxes "1" and "50"
    rig.engine->tick();
    EXPECT_EQ(rig.engine->FreqStep(), 0.0);
    EXPECT_EQ(rig.port.accesses(), kOnlyTheZeroWrite);
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

TEST(SweepTick, FullSweepWritesTheFullRangeIntoTheBoxesEveryTickInTheLocale) {
    for (const auto& [locale, lowerShown] : {std::pair{QLocale::c(), "1.8"}, {kGerman, "1,8"}}) {
        SweepRig rig(10, 1, locale);
        rig.settings.FullFMin = 1'800'000.0F;
        rig.settings.FullFMax = 30'000'000.0F;
        rig.controls.fullSweep = 1;
        for (int tick = 0; tick < 2; ++tick) {
            rig.controls.lowerLimit = "5";  // what the user types is overwritten
            rig.engine->tick();
            EXPECT_EQ(rig.controls.lowerLimit, lowerShown);
            EXPECT_EQ(rig.controls.upperLimit, "30");
            EXPECT_EQ(rig.settings.FMin, 1'800'000.0F);
        }
        EXPECT_DOUBLE_EQ(rig.data.DdsWords[0], TuningWord(1.8e6));

        rig.controls.fullSweep = 2;  // only the value 1 counts as ticked
        rig.controls.lowerLimit = "5";
        rig.engine->tick();
        EXPECT_EQ(rig.controls.lowerLimit, "5");
    }
}

TEST(SweepTick, EqualLimitsForTwoTicksOnlyRefreshTheReadouts) {
    SweepRig rig;
    rig.settleLimits(1.0F, 50.0F);
    rig.controls.lowerLimit = rig.controls.upperLimit = "7";
    rig.engine->tick();
    rig.port.clear();
    rig.pump.resetCount();
    rig.controls.readouts.clear();
    rig.engine->tick();
    EXPECT_EQ(rig.port.accesses(), kOnlyTheZeroWrite);
    EXPECT_EQ(rig.pump.count(), 1);
    EXPECT_EQ(rig.redraw.count, 1);
    EXPECT_EQ(rig.controls.readoutText(Readout::Mk1Frequency), "7,000,000");
    EXPECT_EQ(rig.controls.readoutText(Readout::Mk2Reactance), "0.01");  // from zero readings
}

TEST(SweepTick, PointsBeyondReachAreStoredButNeitherSentNorShownAndTheNoticeSaysWhy) {
    SweepRig rig;  // index i at 80 + 2i MHz
    rig.settleLimits(80.0F, 100.0F);
    rig.controls.lowerLimit = "80";
    rig.controls.upperLimit = "100";
    rig.controls.marker1X = 8835.0F;                    // index 10, 100 MHz
    rig.controls.marker2X = 3534.0F;                    // index 4, 88 MHz
    rig.fillSamples(300.0F, 200.0F, TuningWord(14e6));  // readings of an older 14 MHz sweep
    for (int tick = 1; tick <= 2; ++tick) {
        rig.port.clear();
        rig.engine->tick();
        EXPECT_EQ(rig.updatePulses(), 6U);  // 80 ... 90 MHz
        EXPECT_EQ(rig.port.readCount(), 6U * 20U);
        for (const Readout box : {Readout::Mk1Phase, Readout::Mk1ReturnLoss, Readout::Mk1Swr,
                                  Readout::Mk1Impedance, Readout::Mk1Capacitance}) {
            EXPECT_EQ(rig.controls.readoutText(box), NumberText::notANumberMark()) << tick;
        }
        EXPECT_EQ(rig.controls.readoutText(Readout::Mk1Frequency), "100,000,000");
    }
    EXPECT_DOUBLE_EQ(rig.data.DdsWords[10], TuningWord(100e6));
    EXPECT_EQ(rig.data.ReturnLossSamples[6], 300.0F);  // 92 MHz: kept as it was
    EXPECT_EQ(rig.data.ReturnLossSamples[5], 0.0F);    // 90 MHz: read, status 0
    EXPECT_EQ(rig.controls.readoutText(Readout::Mk2ReturnLoss), "-30");
    EXPECT_EQ(rig.rangeNotice,
              "The synthesiser reaches 0 to 90.0035 MHz: the upper limit is above 90.0035 MHz. "
              "Points out of its reach are not measured.");
    rig.controls.upperLimit = "90";
    rig.engine->tick();
    EXPECT_TRUE(rig.rangeNotice.isEmpty());

    rig.controls.upperLimit = "1e40";  // beyond single precision: an infinite step next tick
    rig.engine->tick();
    rig.port.clear();
    rig.engine->tick();
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
    EXPECT_EQ(rig.controls.readoutText(Readout::Mk1Phase), "179.03");  // 1023 x 0.175
}

TEST(SweepTick, StepZeroOrMismatchedArraysAreRefused) {
    for (const auto& [step, size] : {std::pair{0, 10}, {1, 9}}) {
        Settings settings;
        settings.Champ = 10;
        settings.Step = static_cast<std::int16_t>(step);
        SweepData data(size);
        test::FakeSweepControls controls;
        RecordingPort port;
        NullEventPump pump;
        test::CountingRedraw redraw;
        EXPECT_THROW(SweepEngine(settings, data, controls, PortLink{port, kDataAddress, pump},
                                 redraw, QLocale::c()),
                     std::invalid_argument);
    }
}

}  // namespace
}  // namespace ravemo
