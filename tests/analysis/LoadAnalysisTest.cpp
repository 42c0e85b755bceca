// Closed-form loads swept through the simulated instrument and its quantising converters, so
// what is tested is the analysis's robustness against the converter's steps.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include <QTemporaryDir>

#include "SimulatedSweep.h"
#include "analysis/ReflectionSamples.h"
#include "analysis/SweepSamples.h"
#include "analysis/SwrDips.h"
#include "instrument/DipoleModel.h"

namespace ravemo {
namespace {

using Complex = std::complex<double>;
constexpr double kPi = std::numbers::pi;
constexpr std::int32_t kChamp = 1500;

double ResonantHz(double henries, double farads) {
    return 1.0 / (2.0 * kPi * std::sqrt(henries * farads));
}

Complex SeriesRlc(double ohms, double henries, double farads, double hz) {
    const double w = 2.0 * kPi * hz;
    return {ohms, w * henries - 1.0 / (w * farads)};
}

// A 5 kohm, 2 uH, 250 pF parallel trap.
Complex ParallelTrap(double hz) {
    const double w = 2.0 * kPi * hz;
    return 1.0 / (1.0 / 5000.0 + 1.0 / Complex(0.0, w * 2e-6) + Complex(0.0, w * 250e-12));
}

// 10 m of 50-ohm cable, velocity factor 0.66, 0.05 dB/m at 10 MHz growing as sqrt(f), open at
// its far end: X = 0 exactly where the length is a whole number of quarter waves.
constexpr double kCableMetres = 10.0;
constexpr double kCableVelocityFactor = 0.66;
const double kQuarterWaveHz = kCableVelocityFactor * 299'792'458.0 / (4.0 * kCableMetres);
Complex OpenCable(double hz) {
    const double beta = 2.0 * kPi * hz / (kCableVelocityFactor * 299'792'458.0);
    const double alpha = 0.05 / 8.686 * std::sqrt(hz / 10e6);
    return 50.0 / std::tanh(Complex(alpha, beta) * kCableMetres);
}

Complex NearMatchThroughCable(double hz) {
    const Complex gamma = std::polar(0.02, -2.0 * kPi * hz / 2e6);
    return 50.0 * (1.0 + gamma) / (1.0 - gamma);
}

struct Expected {
    double hz;
    ResonanceKind kind;
};
constexpr ResonanceKind kSeries = ResonanceKind::Series;
constexpr ResonanceKind kParallel = ResonanceKind::Parallel;

struct LoadCase {
    const char* name;
    const char* modelText;  // the simulator's own model, or nullptr: replay the Touchstone file
    std::function<Complex(double)> impedance;
    double lowMHz;
    double highMHz;
    std::vector<Expected> resonances;
    double noiseSteps = 0.0;
};

std::vector<LoadCase> Loads() {
    const double rlcHz = ResonantHz(5e-6, 25e-12);
    const double trapHz = ResonantHz(2e-6, 250e-12);
    const auto rlc = [](double ohms) {
        return [ohms](double hz) { return SeriesRlc(ohms, 5e-6, 25e-12, hz); };
    };
    const DipoleModel dipole;
    return {
        {"series RLC matched", "rlc:r=50,l=5u,c=25p", rlc(50.0), 10, 20, {{rlcHz, kSeries}}},
        // Below 50 ohms the phase clamps at the converter's end around the resonance.
        {"series RLC 20 ohm", "rlc:r=20,l=5u,c=25p", rlc(20.0), 10, 20, {{rlcHz, kSeries}}},
        {"parallel trap", nullptr, ParallelTrap, 1, 30, {{trapHz, kParallel}}},
        {"open cable",
         nullptr,
         OpenCable,
         1,
         22,
         {{kQuarterWaveHz, kSeries},
          {2 * kQuarterWaveHz, kParallel},
          {3 * kQuarterWaveHz, kSeries},
          {4 * kQuarterWaveHz, kParallel}}},
        {"dipole",
         "dipole",
         [dipole](double hz) { return dipole.impedance(hz); },
         1,
         50,
         {{14.2e6, kSeries}, {28.4e6, kParallel}, {42.6e6, kSeries}}},
        {"flat 50 ohm", "r:50", [](double) { return Complex(50.0, 0.0); }, 1, 50, {}},
        // A small mismatch seen through a cable: the tiny reflection turns round and round.
        {"near match through a cable", nullptr, NearMatchThroughCable, 1, 50, {}},
        // Converter noise of two steps: the phase of a match wanders, |Im G| is noisy.
        {"noisy 52 ohm", "r:52", [](double) { return Complex(52.0, 0.0); }, 1, 50, {}, 2.0},
        {"noisy dipole",
         "dipole",
         [dipole](double hz) { return dipole.impedance(hz); },
         1,
         50,
         {{14.2e6, kSeries}, {28.4e6, kParallel}, {42.6e6, kSeries}},
         2.0},
    };
}

void ExpectResonances(const std::vector<Resonance>& found, const LoadCase& c, const char* how) {
    ASSERT_EQ(found.size(), c.resonances.size()) << c.name << ", " << how;
    // Noise blurs a zero where |Im G| rises slowly, and makes a high Rs unmeasurable.
    const bool noisy = c.noiseSteps > 0.0;
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_NEAR(found[i].hz, c.resonances[i].hz, (noisy ? 1e-2 : 1e-3) * c.resonances[i].hz)
            << c.name << ", " << how << ", resonance " << i;
        EXPECT_EQ(found[i].kind, c.resonances[i].kind) << c.name << ", " << how << " " << i;
        // One return-loss step moves |G| by 0.7 %, which a high Rs magnifies.
        const Complex z = c.impedance(c.resonances[i].hz);
        const double g = std::abs((z - 50.0) / (z + 50.0));
        if (!noisy) {
            EXPECT_NEAR(found[i].rs, z.real(), (0.05 + 0.01 * g / (1.0 - g)) * z.real() + 1.0)
                << c.name << ", " << how << " " << i;
        }
    }
}

TEST(LoadAnalysis, ResonancesAndReactanceSignsOfKnownLoads) {
    QTemporaryDir folder;
    for (const LoadCase& c : Loads()) {
        const QString touchstone = folder.filePath(QString::fromUtf8(c.name) + ".s1p");
        test::WriteTouchstone(touchstone, c.impedance, c.lowMHz * 0.99e6, c.highMHz * 1.01e6, 4001);
        const QString model = c.modelText ? QString::fromUtf8(c.modelText) : "s1p:" + touchstone;
        const AntennaSamples swept = SamplesFromSweep(
            test::SweepSimulated(model, c.lowMHz, c.highMHz, kChamp, c.noiseSteps), 1);
        ASSERT_EQ(swept.samples.size(), static_cast<std::size_t>(kChamp) + 1) << c.name;
        ExpectResonances(swept.resonances, c, "swept");

        // The sign is right where it matters: wherever |X| is at least 5 % of |Z|.
        int counted = 0;
        int right = 0;
        for (const AntennaSample& s : swept.samples) {
            const Complex z = c.impedance(s.hz);
            if (std::fabs(z.imag()) <= 0.05 * std::abs(z)) continue;
            ++counted;
            if ((s.xs > 0.0) == (z.imag() > 0.0)) ++right;
        }
        EXPECT_GE(right, 0.95 * counted) << c.name;

        // A Touchstone file carries the sign: the same zeros from the measured values.
        const TouchstoneModel::Parsed file = TouchstoneModel::fromFile(touchstone);
        ASSERT_TRUE(file.model) << file.error.toStdString();
        const AntennaSamples measured = SamplesFromReflections(file.model->points(), 50.0);
        EXPECT_EQ(measured.sign, ReactanceSign::Measured);
        ExpectResonances(measured.resonances, c, "measured");
    }
}

TEST(LoadAnalysis, DipEdgesAndQOfAMatchedSeriesRlc) {
    constexpr double kOhms = 50.0, kHenries = 5e-6, kFarads = 25e-12;
    const AntennaSamples set =
        SamplesFromSweep(test::SweepSimulated("rlc:r=50,l=5u,c=25p", 10, 20, kChamp), 1);
    const std::vector<SwrDip> dips = FindSwrDips(set.samples, kDefaultSwrLimit, 3);
    ASSERT_EQ(dips.size(), 1U);
    const double w0 = 2.0 * kPi * ResonantHz(kHenries, kFarads);
    EXPECT_NEAR(dips[0].bottom.hz, w0 / (2.0 * kPi), 2e-3 * w0 / (2.0 * kPi));
    // SWR 2 where |X| = R / sqrt(2) (= 100 / sqrt(8)); s = 1.5 where |X| = R / sqrt(6).
    for (const auto& [edges, ohms] : {std::pair{dips[0].swr2, kOhms / std::sqrt(2.0)},
                                      std::pair{dips[0].swr15, kOhms / std::sqrt(6.0)}}) {
        ASSERT_TRUE(edges);
        const double half = ohms / (2.0 * kHenries);
        const double root = std::sqrt(half * half + w0 * w0);
        EXPECT_NEAR(edges->lowHz, (root - half) / (2.0 * kPi), 2e3);
        EXPECT_NEAR(edges->highHz, (root + half) / (2.0 * kPi), 2e3);
        EXPECT_DOUBLE_EQ(edges->bandwidthHz, edges->highHz - edges->lowHz);
    }
    ASSERT_TRUE(dips[0].q);
    EXPECT_NEAR(*dips[0].q, w0 * kHenries / kOhms, 0.01 * w0 * kHenries / kOhms);
}

TEST(LoadAnalysis, AFlat50OhmLoadIsOneWideDipWithoutEdges) {
    const AntennaSamples set = SamplesFromSweep(test::SweepSimulated("r:50", 1, 50, kChamp), 1);
    const std::vector<SwrDip> dips = FindSwrDips(set.samples, kDefaultSwrLimit, 3);
    ASSERT_EQ(dips.size(), 1U);
    EXPECT_NEAR(dips[0].bottom.hz, 25.5e6, 1e3);  // the middle of the flat bottom
    EXPECT_FALSE(dips[0].swr2);
    EXPECT_FALSE(dips[0].swr15);
    EXPECT_FALSE(dips[0].q);
}

}  // namespace
}  // namespace ravemo
