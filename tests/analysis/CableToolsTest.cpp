// The cable tools against lines built from the catalogue and the line equations, written as
// Touchstone files and measured through the simulated instrument (|phase| only, quantised),
// as a ham measures a cable with its far end open or shorted.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include <QTemporaryDir>

#include "SimulatedSweep.h"
#include "analysis/CableMeasurement.h"
#include "analysis/SweepSamples.h"
#include "common/LineTransform.h"

namespace ravemo::cable_tools_test {

using Impedance = std::complex<double>;

constexpr std::int32_t kChamp = 3000;
constexpr int kTouchstonePoints = 6001;
constexpr double kLowMHz = 1.0;
constexpr double kHighMHz = 30.0;
constexpr double kCableM = 23.4;
constexpr double kOpenOhms = 1e12;
constexpr double kShortOhms = 1e-6;

FeedlineType Rg58() { return *FeedlineTypeNamed(QStringLiteral("rg58")); }

std::vector<AntennaSample> Measured(const std::function<Impedance(double)>& impedance,
                                    double noiseSteps) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("line.s1p"));
    test::WriteTouchstone(path, impedance, kLowMHz * 1e6, kHighMHz * 1e6, kTouchstonePoints);
    return SamplesFromSweep(test::SweepSimulated(QStringLiteral("s1p:") + path, kLowMHz, kHighMHz,
                                                 kChamp, noiseSteps),
                            1)
        .samples;
}

struct EndCase {
    const char* name;
    CableEnd end;
    double loadOhms;
    double noiseSteps;
    double endSign;  // an open end reflects in phase, a short in antiphase
};

TEST(CableTools, AnOpenOrShortedRg58ShowsItsLossLengthAndEnd) {
    const Feedline line{Rg58(), kCableM};
    for (const EndCase& c : {EndCase{"open", CableEnd::Open, kOpenOhms, 0.0, 1.0},
                             EndCase{"shorted", CableEnd::Short, kShortOhms, 2.0, -1.0}}) {
        const std::vector<AntennaSample> samples = Measured(
            [&](double hz) { return ImpedanceThroughLine(c.loadOhms, line, hz); }, c.noiseSteps);

        // The velocity factor from the known length, within 2 % of the line's.
        const CableMeasurement byLength = MeasureCable(samples, {c.end, kCableM, {}, 1});
        ASSERT_TRUE(byLength.velocityFactor) << c.name;
        EXPECT_NEAR(*byLength.velocityFactor, 0.66, 0.02 * 0.66) << c.name;

        // The length from the known velocity factor; the far end among the peaks, at its
        // distance within the stated resolution.
        const CableMeasurement byFactor = MeasureCable(samples, {c.end, {}, 0.66, 1});
        ASSERT_TRUE(byFactor.lengthM && byFactor.distance) << c.name;
        EXPECT_NEAR(*byFactor.lengthM, kCableM, 0.02 * kCableM) << c.name;
        const DistanceResponse& response = *byFactor.distance;
        // 0.66 c / (2 x 29 MHz), twice for the window: 6.8 m; 3001 points: 5.1 km.
        EXPECT_NEAR(response.resolutionM, 6.82, 0.01) << c.name;
        EXPECT_NEAR(response.rangeM, 5117.0, 1.0) << c.name;
        ASSERT_TRUE(byFactor.endPeak) << c.name;
        const FaultPeak& endPeak = response.peaks[*byFactor.endPeak];
        EXPECT_NEAR(endPeak.distanceM, kCableM, response.resolutionM) << c.name;
        // There and back through 23.4 m: 10^(-2 A / 20) at mid-band, A about 2.5 dB.
        EXPECT_GT(endPeak.reflection * c.endSign, 0.4) << c.name;
        EXPECT_LT(endPeak.reflection * c.endSign, 0.9) << c.name;
        EXPECT_EQ(response.peaks.front().distanceM, endPeak.distanceM) << c.name;

        // The loss at 30 m and 10 m within 0.3 dB of the catalogue's at the same frequency.
        int checked = 0;
        for (const LossAtFrequency& loss : byFactor.losses) {
            const QString band = QString::fromLatin1(loss.band);
            if (band != QStringLiteral("30m") && band != QStringLiteral("10m")) continue;
            EXPECT_NEAR(loss.lossDb, line.lossDb(loss.hz), 0.3) << c.name << ' ' << loss.band;
            ++checked;
        }
        EXPECT_EQ(checked, 2) << c.name;
        ASSERT_TRUE(byFactor.lossPer100m) << c.name;
        EXPECT_EQ(byFactor.lossPer100m->nearestType, QStringLiteral("rg58")) << c.name;
        for (const double hz : {5e6, 14e6, 28e6}) {
            EXPECT_NEAR(byFactor.lossPer100m->fit.lossDb(hz), Rg58().lossDbPer100m(hz), 1.0)
                << c.name << ' ' << hz;
        }
    }
}

struct MismatchCase {
    const char* name;
    std::function<Impedance(double)> impedance;
    std::vector<FaultPeak> expected;  // distance and sign (+1 / -1) only
};

TEST(CableTools, TheTransformFindsAMismatchAlongTheLine) {
    const Feedline first{Rg58(), 10.0};
    // A 75 ohm section of the same velocity factor and little loss.
    const Feedline section{*UserFeedlineType(75.0, 0.66, 10e6, 1.0, 30e6, 2.0), 10.0};
    const std::vector<MismatchCase> cases{
        {"a 100 ohm load after 10 m",
         [&](double hz) { return ImpedanceThroughLine(100.0, first, hz); },
         {{10.0, 1.0}}},
        // Up to 75 ohms at 10 m (+0.2), down to 50 ohms at 20 m (-0.2).
        {"a 10 m 75 ohm section after 10 m, then 50 ohms",
         [&](double hz) {
             return ImpedanceThroughLine(ImpedanceThroughLine(50.0, section, hz), first, hz);
         },
         {{10.0, 1.0}, {20.0, -1.0}}},
    };
    for (const MismatchCase& c : cases) {
        const std::vector<AntennaSample> samples = Measured(c.impedance, 1.0);
        const DistanceResponse response = DistanceToFault(samples, 0.66);
        ASSERT_EQ(response.peaks.size(), c.expected.size()) << c.name;
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_NEAR(response.peaks[i].distanceM, c.expected[i].distanceM,
                        response.resolutionM / 2.0)
                << c.name << " peak " << i;
            EXPECT_GT(response.peaks[i].reflection * c.expected[i].reflection, 0.1)
                << c.name << " peak " << i;
        }
    }
}

TEST(CableTools, TooLittleToMeasureGivesNoFiguresAndNoCrash) {
    const AntennaSample a{.hz = 7e6, .returnLossDb = 3.0, .gamma = {0.7, 0.0}};
    AntennaSample b = a;
    b.hz = 7.1e6;
    for (const std::vector<AntennaSample>& samples :
         {std::vector<AntennaSample>{}, std::vector<AntennaSample>{a},
          std::vector<AntennaSample>{a, a}, std::vector<AntennaSample>{a, b}}) {
        const CableMeasurement m = MeasureCable(samples, {CableEnd::Open, 20.0, {}, 1});
        EXPECT_FALSE(m.velocityFactor);
        EXPECT_EQ(m.problem, CableLengthProblem::FewerThanTwoResonances);
        const DistanceResponse response = DistanceToFault(samples, 0.66);
        EXPECT_TRUE(response.peaks.empty());
    }
}

TEST(CableTools, AHugeFileIsTransformedOnABoundedGrid) {
    // 400 001 samples of a lossless open 23.4 m line, |phase| only.
    constexpr int kHugeCount = 400'001;
    std::vector<AntennaSample> samples(kHugeCount);
    for (int i = 0; i < kHugeCount; ++i) {
        AntennaSample& s = samples[static_cast<std::size_t>(i)];
        s.hz = 1e6 + 29e6 * i / (kHugeCount - 1);
        const double turn =
            4.0 * std::numbers::pi * s.hz * kCableM / (0.66 * kSpeedOfLightMetresPerSecond);
        s.gamma = {std::cos(turn), std::fabs(std::sin(turn))};
    }
    const DistanceResponse response = DistanceToFault(samples, 0.66);
    EXPECT_LE(response.sizes.size(), 4U * 65536U / 2U + 1U);
    ASSERT_FALSE(response.peaks.empty());
    EXPECT_NEAR(response.peaks.front().distanceM, kCableM, response.resolutionM / 2.0);
    EXPECT_NEAR(response.peaks.front().reflection, 1.0, 0.05);
}

}  // namespace ravemo::cable_tools_test
