// Known loads swept through the simulated instrument: robustness against the converters' steps.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include <QTemporaryDir>

#include "SimulatedSweep.h"
#include "analysis/SweepSamples.h"
#include "analysis/SwrDips.h"
#include "instrument/LoadModelText.h"

namespace ravemo {
namespace {

constexpr std::int32_t kChamp = 1500;

constexpr ResonanceKind kSeries = ResonanceKind::Series;

// The true impedance is the simulator's own, so what lies between is the converters' steps.
struct LoadCase {
    QString model;  // as after "--port sim:"
    double lowMHz;
    double highMHz;
    std::vector<Resonance> resonances;  // Rs follows from the model
    double noiseSteps = 0.0;
};

double ResonantHz(double henry, double farad) {
    return 1.0 / (2.0 * std::numbers::pi * std::sqrt(henry * farad));
}

// A 5 kohm, 2 uH, 250 pF parallel trap, as a Touchstone file ("s1p:PATH") the simulator replays.
QString ParallelTrapModel(const QTemporaryDir& folder) {
    const QString path = folder.filePath(QStringLiteral("trap.s1p"));
    test::WriteTouchstone(
        path,
        [](double hz) {
            const double w = 2.0 * std::numbers::pi * hz;
            return 1.0 / std::complex<double>(1.0 / 5000.0, w * 250e-12 - 1.0 / (w * 2e-6));
        },
        0.99e6, 30.3e6, 4001);
    return QStringLiteral("s1p:") + path;
}

std::vector<LoadCase> Loads(const QString& trapModel) {
    const double rlcHz = ResonantHz(5e-6, 25e-12);
    const std::vector<Resonance> dipoleZeros = {
        {14.2e6, 0, kSeries}, {28.4e6, 0, ResonanceKind::Parallel}, {42.6e6, 0, kSeries}};
    return {
        // Below 50 ohms the phase clamps at the converter's end around the resonance.
        {"rlc:r=20,l=5u,c=25p", 10, 20, {{rlcHz, 0, kSeries}}},
        {trapModel, 1, 30, {{ResonantHz(2e-6, 250e-12), 0, ResonanceKind::Parallel}}},
        {"dipole", 1, 50, dipoleZeros},
        {"dipole", 1, 50, dipoleZeros, 2.0},  // converter noise of two steps
    };
}

TEST(LoadAnalysis, ResonancesAndReactanceSignsOfKnownLoads) {
    const QTemporaryDir folder;
    const QString trap = ParallelTrapModel(folder);
    for (const LoadCase& c : Loads(trap)) {
        const bool noisy = c.noiseSteps > 0.0;
        const std::string name =
            (c.model == trap ? "parallel trap" : c.model.toStdString()) + (noisy ? " noisy" : "");
        const std::unique_ptr<LoadModel> truth = ParseLoadModel(c.model).model;
        const AntennaSamples swept = SamplesFromSweep(
            test::SweepSimulated(c.model, c.lowMHz, c.highMHz, kChamp, c.noiseSteps), 1);
        const std::vector<Resonance>& found = swept.resonances;
        ASSERT_EQ(found.size(), c.resonances.size()) << name;
        // Noise blurs a zero where |Im G| rises slowly, and makes a high Rs unmeasurable.
        for (std::size_t i = 0; i < found.size(); ++i) {
            const double hz = c.resonances[i].hz;
            EXPECT_NEAR(found[i].hz, hz, (noisy ? 1e-2 : 1e-3) * hz) << name << " " << i;
            EXPECT_EQ(found[i].kind, c.resonances[i].kind) << name << " " << i;
            // One return-loss step moves |G| by 0.7 %, which a high Rs magnifies.
            const std::complex<double> z = truth->impedance(hz);
            const double g = std::abs((z - 50.0) / (z + 50.0));
            const double rsTolerance = (0.05 + 0.01 * g / (1.0 - g)) * z.real() + 1.0;
            if (!noisy) {
                EXPECT_NEAR(found[i].rs, z.real(), rsTolerance) << name << " " << i;
            }
        }

        // The sign is right where it matters: wherever |X| is at least 5 % of |Z|.
        int counted = 0;
        int right = 0;
        for (const AntennaSample& s : swept.samples) {
            const std::complex<double> z = truth->impedance(s.hz);
            if (std::fabs(z.imag()) <= 0.05 * std::abs(z)) continue;
            ++counted;
            const bool estimated = s.xsSign == ReactanceSign::Estimated;
            if (estimated && (s.xs > 0.0) == (z.imag() > 0.0)) ++right;
        }
        EXPECT_GE(right, 0.95 * counted) << name;
    }
}

// Converter noise on the flanks of a dip moves readings across the SWR limit again and again:
// that makes no extra dips.
TEST(LoadAnalysis, NoiseOnAFlankMakesNoDips) {
    for (int seed = 1; seed <= 5; ++seed) {
        const QString model = QStringLiteral("dipole:7.1;noise=3;seed=%1").arg(seed);
        const AntennaSamples swept =
            SamplesFromSweep(test::SweepSimulated(model, 6, 8.5, kChamp), 1);
        const std::vector<SwrDip> dips = FindSwrDips(swept.samples, 2.0, 10);
        ASSERT_EQ(dips.size(), 1U) << seed;
        EXPECT_NEAR(dips[0].bottom.hz, 7.09e6, 0.01 * 7.09e6) << seed;
    }
}

}  // namespace
}  // namespace ravemo
