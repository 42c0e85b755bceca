#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <memory>
#include <numbers>

#include "instrument/Adc.h"
#include "instrument/Dds.h"
#include "instrument/DipoleModel.h"
#include "instrument/OpenModel.h"
#include "instrument/ResistorModel.h"
#include "instrument/SeriesRlcModel.h"
#include "instrument/ShortModel.h"
#include "instrument/SimulatedInstrument.h"
#include "support/ScriptedPump.h"

namespace ravemo {
namespace {

constexpr std::uint16_t kAddress1 = 888;

struct SimRig {
    explicit SimRig(std::unique_ptr<LoadModel> model, SimulatedNoise noise = {})
        : sim(std::move(model), kAddress1, noise) {}
    SimulatedInstrument sim;
    test::ScriptedPump pump;
    PortLink link{sim, kAddress1, pump};

    void tune(double hz) { DdsLoadWord(link, TuningWord(hz)); }
    ConverterReadings read() {
        float phase = 0;
        float returnLoss = 0;
        ReadAdcPair(link, phase, returnLoss);
        return {static_cast<int>(returnLoss), static_cast<int>(phase)};
    }
};

TEST(ReadingsOfReflection, TheBridgeScale) {
    // 0.1 at 90 degrees: 20 dB (170.6 steps) and 514.3 steps.
    const ConverterReadings quarterTurn =
        ReadingsOfReflection(std::polar(0.1, std::numbers::pi / 2));
    EXPECT_EQ(quarterTurn.returnLoss, 171);
    EXPECT_EQ(quarterTurn.phase, 514);
    // Total reflection: 30 / 0.0586 = 511.9 steps.
    EXPECT_EQ(ReadingsOfReflection({1.0, 0.0}).returnLoss, 512);
    EXPECT_EQ(ReadingsOfReflection({1.0, 0.0}).phase, 0);
    // Antiphase: 180 / 0.175 = 1028.6 clamps to 1023, and the sign of the angle is lost.
    EXPECT_EQ(ReadingsOfReflection({-1.0, 0.0}).phase, 1023);
    EXPECT_EQ(ReadingsOfReflection(std::polar(0.5, -1.0)).phase,
              ReadingsOfReflection(std::polar(0.5, 1.0)).phase);
    // A perfect match and anything below -30 dB clamp to 0.
    EXPECT_EQ(ReadingsOfReflection({0.0, 0.0}).returnLoss, 0);
    EXPECT_EQ(ReadingsOfReflection({0.01, 0.0}).returnLoss, 0);
    // Gain (impossible for a passive load) clamps at full scale.
    EXPECT_EQ(ReadingsOfReflection({1e20, 0.0}).returnLoss, 1023);
}

TEST(SimulatedInstrument, DecodesTheFrameAndTakesItOnlyAtTheUpdatePulse) {
    SimRig rig(std::make_unique<ResistorModel>(75.0));
    EXPECT_EQ(rig.sim.frequencyHz(), 0.0);
    rig.tune(10e6);
    EXPECT_EQ(rig.sim.latchedFrame(), 238600000ULL | (1ULL << 32));
    EXPECT_DOUBLE_EQ(rig.sim.frequencyHz(), 10e6);
    EXPECT_EQ(rig.sim.framesLatched(), 1);

    // 40 bits of a new frame without the update pulse change nothing.
    for (int bit = 0; bit < 40; ++bit) DdsSendOne(rig.link);
    EXPECT_DOUBLE_EQ(rig.sim.frequencyHz(), 10e6);
    DdsUpdate(rig.link);
    EXPECT_EQ(rig.sim.latchedFrame(), (1ULL << 40) - 1);
    EXPECT_DOUBLE_EQ(rig.sim.frequencyHz(), 2147483647.0 / kWordUnitsPerHz);
}

TEST(SimulatedInstrument, ClearOrAFrameWithoutBit32TurnsTheOutputOff) {
    SimRig rig(std::make_unique<ResistorModel>(75.0));
    rig.tune(7e6);
    DdsClear(rig.link);
    EXPECT_EQ(rig.sim.latchedFrame(), 0U);
    EXPECT_EQ(rig.sim.frequencyHz(), 0.0);

    rig.tune(7e6);
    for (int bit = 0; bit < 40; ++bit) bit == 3 ? DdsSendOne(rig.link) : DdsSendZero(rig.link);
    DdsUpdate(rig.link);
    EXPECT_EQ(rig.sim.latchedFrame(), 8U);
    EXPECT_EQ(rig.sim.frequencyHz(), 0.0);
}

TEST(SimulatedInstrument, ServesTheModelsReadingsAsReadAdcPairSamplesThem) {
    SimRig rig(std::make_unique<SeriesRlcModel>(30.0, 1.2e-6, 100e-12));
    for (double hz : {1e6, 7.1e6, 14.2e6, 21e6, 29e6}) {
        rig.tune(hz);
        const ConverterReadings expected = ReadingsOfReflection(
            ReflectionOf(rig.sim.load().impedance(rig.sim.frequencyHz()), 50.0));
        const ConverterReadings got = rig.read();
        EXPECT_EQ(got.returnLoss, expected.returnLoss) << hz;
        EXPECT_EQ(got.phase, expected.phase) << hz;
    }
    EXPECT_EQ(rig.sim.conversions(), 5);
}

TEST(SimulatedInstrument, ExtremeLoadsReadAtTheEndsOfTheScale) {
    SimRig open(std::make_unique<OpenModel>());
    open.tune(14e6);
    const ConverterReadings openReadings = open.read();
    EXPECT_EQ(openReadings.returnLoss, 512);
    EXPECT_EQ(openReadings.phase, 0);

    SimRig shorted(std::make_unique<ShortModel>());
    shorted.tune(14e6);
    const ConverterReadings shortReadings = shorted.read();
    EXPECT_EQ(shortReadings.returnLoss, 512);
    EXPECT_EQ(shortReadings.phase, 1023);

    SimRig matched(std::make_unique<ResistorModel>(50.0));
    matched.tune(14e6);
    const ConverterReadings matchedReadings = matched.read();
    EXPECT_EQ(matchedReadings.returnLoss, 0);
    EXPECT_EQ(matchedReadings.phase, 0);
}

TEST(SimulatedInstrument, StatusShowsIdleBitsAndOtherAddressesReadZero) {
    SimRig rig(std::make_unique<OpenModel>());
    EXPECT_EQ(rig.sim.read(kAddress1 + 1), kIdleStatusBits);  // nothing selected yet
    EXPECT_EQ(rig.sim.read(kAddress1), 0);
    EXPECT_EQ(rig.sim.read(kAddress1 + 2), 0);
    EXPECT_EQ(kIdleStatusBits & (kPhaseDataMask | kReturnLossDataMask), 0);

    // Clock pulses written to another address do not reach the synthesiser.
    for (int bit = 0; bit < 40; ++bit) {
        rig.sim.write(kAddress1 + 2, 24);
        rig.sim.write(kAddress1 + 2, 27);
    }
    rig.sim.write(kAddress1 + 2, 28);
    EXPECT_EQ(rig.sim.framesLatched(), 0);
}

TEST(SimulatedInstrument, ChipSelectFallStartsAConversionWithTheMsbOnTheLines) {
    SimRig rig(std::make_unique<ShortModel>());  // return loss 512 = 1000000000, phase 1023
    rig.tune(14e6);
    rig.sim.write(kAddress1, 24);
    rig.sim.write(kAddress1, 0);
    EXPECT_EQ(rig.sim.conversions(), 1);
    EXPECT_EQ(rig.sim.read(kAddress1 + 1), kIdleStatusBits | 16 | 32);
    rig.sim.write(kAddress1, 8);
    EXPECT_EQ(rig.sim.read(kAddress1 + 1), kIdleStatusBits | 16 | 32);  // rising edge: no shift
    rig.sim.write(kAddress1, 0);
    EXPECT_EQ(rig.sim.read(kAddress1 + 1), kIdleStatusBits | 16);
    // A falling clock while deselected does not shift either.
    rig.sim.write(kAddress1, 24);
    rig.sim.write(kAddress1, 16);
    EXPECT_EQ(rig.sim.read(kAddress1 + 1), kIdleStatusBits | 16);
}

TEST(SimulatedInstrument, NoiseIsOffByDefaultAndRepeatsWithItsSeed) {
    auto readMany = [](SimulatedNoise noise) {
        SimRig rig(std::make_unique<DipoleModel>(), noise);
        rig.tune(13.9e6);
        std::vector<int> readings;
        for (int n = 0; n < 200; ++n) readings.push_back(rig.read().returnLoss);
        return readings;
    };
    const std::vector<int> quiet = readMany({});
    for (int reading : quiet) EXPECT_EQ(reading, quiet.front());

    const std::vector<int> noisy = readMany({1.0, 42});
    EXPECT_EQ(noisy, readMany({1.0, 42}));
    EXPECT_NE(noisy, readMany({1.0, 43}));
    double sumSquares = 0;
    for (int reading : noisy) sumSquares += std::pow(reading - quiet.front(), 2);
    const double rms = std::sqrt(sumSquares / static_cast<double>(noisy.size()));
    EXPECT_GT(rms, 0.7);  // one step of Gaussian noise, plus the rounding
    EXPECT_LT(rms, 1.5);
}

}  // namespace
}  // namespace ravemo
