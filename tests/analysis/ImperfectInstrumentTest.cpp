// The simulated instrument's imperfections and feedline, read back through a whole sweep: the
// raw converter readings against values worked out by hand from the converter scales
// (return loss r = (20 log10|G| + 30) / 0.0586 steps, phase p = |arg G| / 0.175 steps).

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

#include "SimulatedSweep.h"
#include "common/FeedlineCatalogue.h"
#include "instrument/Dds.h"
#include "instrument/DipoleModel.h"

namespace ravemo {
namespace {

// A sweep of 1 to 30 MHz in 1 MHz steps: point i is at i + 1 MHz.
constexpr std::int32_t kOneMHzSteps = 29;
std::size_t PointAtMHz(int mhz) { return static_cast<std::size_t>(mhz - 1); }

TEST(ImperfectInstrument, ReadsAnOpenAShortAndALoadAsEachErrorMakesItRead) {
    const struct {
        const char* text;
        int mhz;
        int returnLoss;
        int phase;
    } cases[] = {
        // The ideal bridge: an open reads 0 dB (30 / 0.0586 = 511.95) at 0 degrees.
        {"open", 10, 512, 0},
        // Tracking 0.5 dB at 0 Hz to 1.5 dB at 30 MHz: 0.5333, 1.0 and 1.5 dB over 0 dB.
        {"open;tracking=0.5:1.5", 1, 521, 0},   // 30.533 / 0.0586 = 521.05
        {"open;tracking=0.5:1.5", 15, 529, 0},  // 31.0 / 0.0586 = 529.01
        {"short;tracking=0.5:1.5", 30, 538, 1023},
        // Phase 3 degrees + 2 %: the open's 0 degrees reads 3 / 0.175 = 17.14; the short's 180
        // degrees 3 degrees and 2 % low reads (176.4 - 3) / 0.175 = 990.86.
        {"open;phase=3:2", 10, 512, 17},
        {"short;phase=-3:-2", 10, 512, 991},
        // Directivity 20 dB: a leakage of 0.1 lagging 1.2008 degrees per MHz. The 50 ohm load
        // then reads the leakage alone: -20 dB (10 / 0.0586 = 170.65) at 12.008 degrees at
        // 10 MHz (68.62) and 24.017 at 20 MHz (137.24).
        {"r:50;directivity=20", 10, 171, 69},
        {"r:50;directivity=20", 20, 171, 137},
        // The open at 10 MHz: 1 + 0.1 e^(-j 12.008) = 1.09781 - j0.02080, |G| 0.81 dB (525.80)
        // at 1.086 degrees (6.20); the short: -0.90219 - j0.02080, -0.892 dB (496.73) at
        // 178.68 degrees (1021.02).
        {"open;directivity=20", 10, 526, 6},
        {"short;directivity=20", 10, 497, 1021},
        // 30 dB of directivity leaves the match at -30 dB, the converter's floor.
        {"r:50;directivity=30", 10, 0, 69},
    };
    for (const auto& c : cases) {
        const SweepData data =
            test::SweepSimulated(QString::fromUtf8(c.text), 1.0, 30.0, kOneMHzSteps);
        const std::size_t i = PointAtMHz(c.mhz);
        ASSERT_NEAR(data.DdsWords[i] / kWordUnitsPerHz, c.mhz * 1e6, 1.0) << c.text;
        EXPECT_EQ(data.ReturnLossSamples[i], static_cast<float>(c.returnLoss))
            << c.text << " at " << c.mhz << " MHz";
        EXPECT_EQ(data.PhaseSamples[i], static_cast<float>(c.phase))
            << c.text << " at " << c.mhz << " MHz";
    }
}

// Converter noise of 3 counts on a 100 ohm load (G = 1/3: 349.11 steps, at 0 degrees): the
// readings scatter by 3 counts about the true one, the same for the same seed.
TEST(ImperfectInstrument, NoiseScattersByItsCountsAndRepeatsForItsSeed) {
    constexpr std::int32_t kManyPoints = 2000;
    const SweepData data = test::SweepSimulated("r:100;noise=3;seed=5", 1.0, 30.0, kManyPoints);
    double sum = 0.0;
    double squares = 0.0;
    for (const float reading : data.ReturnLossSamples) {
        sum += reading;
        squares += (reading - 349.11) * (reading - 349.11);
    }
    const double n = static_cast<double>(data.ReturnLossSamples.size());
    EXPECT_NEAR(sum / n, 349.11, 0.3);
    EXPECT_NEAR(std::sqrt(squares / n), std::sqrt(9.0 + 1.0 / 12.0), 0.2);  // noise + rounding
    EXPECT_EQ(
        test::SweepSimulated("r:100;noise=3;seed=5", 1.0, 30.0, kManyPoints).ReturnLossSamples,
        data.ReturnLossSamples);
    EXPECT_NE(
        test::SweepSimulated("r:100;noise=3;seed=6", 1.0, 30.0, kManyPoints).ReturnLossSamples,
        data.ReturnLossSamples);
}

// A 7.1 MHz dipole behind 20 m of RG-58: on a line of the bridge's 50 ohms the reflection at
// the analyser is the antenna's delayed and attenuated, G_in = G_L e^(-2 gamma l), with
// alpha from the catalogue's matched loss and beta = 2 pi f / (VF c).
TEST(ImperfectInstrument, SeesADipoleThroughTwentyMetresOfRg58) {
    const FeedlineType rg58 = *FeedlineTypeNamed(QStringLiteral("rg58"));
    const DipoleModel dipole(7.1e6);
    const SweepData data = test::SweepSimulated("dipole:7.1;line=rg58:20", 6.0, 8.0, 4);
    for (std::size_t i = 0; i < data.DdsWords.size(); ++i) {
        const double hz = data.DdsWords[i] / kWordUnitsPerHz;
        const std::complex<double> z = dipole.impedance(hz);
        const std::complex<double> load = (z - 50.0) / (z + 50.0);
        const double lossDb = rg58.lossDbPer100m(hz) * 20.0 / 100.0;
        const double beta = 2.0 * std::numbers::pi * hz / (0.66 * 299'792'458.0);
        const std::complex<double> in =
            load * std::pow(10.0, -2.0 * lossDb / 20.0) * std::polar(1.0, -2.0 * beta * 20.0);
        const double returnLoss = (20.0 * std::log10(std::abs(in)) + 30.0) / 0.0586;
        const double phase = std::fabs(std::arg(in)) * 180.0 / std::numbers::pi / 0.175;
        EXPECT_NEAR(data.ReturnLossSamples[i], returnLoss, 0.5) << hz;
        EXPECT_NEAR(data.PhaseSamples[i], phase, 0.5) << hz;
        // And the line is seen: two ways through 20 m move the phase by far more than a step.
        EXPECT_GT(std::fabs(std::arg(in) - std::arg(load)), 0.1) << hz;
    }
}

}  // namespace
}  // namespace ravemo
