#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analysis/BandReport.h"
#include "analysis/CableLength.h"
#include "analysis/MeasuredZeros.h"
#include "analysis/ReactanceSigns.h"
#include "analysis/ReactanceZeros.h"
#include "analysis/SweepSamples.h"
#include "analysis/SwrDips.h"
#include "analysis/TrimAdvice.h"
#include "instrument/Dds.h"
#include "sweep/MeasurementRules.h"

namespace ravemo {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

AntennaSample At(double hz, double swr, double xs = 0.0, double z = 50.0) {
    return {.hz = hz, .swr = swr, .rs = std::sqrt(z * z - xs * xs), .xs = xs, .z = z, .gamma = {}};
}

std::vector<AntennaSample> SwrProfile(const std::vector<double>& swr) {
    std::vector<AntennaSample> samples;
    for (std::size_t i = 0; i < swr.size(); ++i) samples.push_back(At(double(i), swr[i]));
    return samples;
}

TEST(SwrDips, DeepestFirstWithInterpolatedEdges) {
    // Stretches below 2: 1..5 (flat bottom 2..4), 7 (beside an infinite SWR), 9..10 (the end).
    const auto samples = SwrProfile({3.0, 1.8, 1.4, 1.4, 1.4, 1.9, 2.5, 1.2, kInfinity, 1.9, 1.6});
    const std::vector<SwrDip> dips = FindSwrDips(samples, 2.0, 3);
    ASSERT_EQ(dips.size(), 3U);
    EXPECT_EQ(dips[0].bottom.hz, 7.0);
    EXPECT_EQ(dips[1].bottom.hz, 3.0);
    EXPECT_EQ(dips[2].bottom.hz, 10.0);
    for (const auto& [edges, low, high] :
         {std::tuple{dips[0].swr2, 7.0 - 0.8 / 1.3, 7.0},
          std::tuple{dips[0].swr15, 7.0 - 0.3 / 1.3, 7.0},
          std::tuple{dips[1].swr2, 1.0 - 0.2 / 1.2, 5.0 + 0.1 / 0.6},
          std::tuple{dips[1].swr15, 2.0 - 0.1 / 0.4, 4.0 + 0.1 / 0.5},
          // A sample at exactly 2 is the edge itself.
          std::tuple{FindSwrDips(SwrProfile({2.0, 1.3, 2.0}), 2.0, 1).at(0).swr2, 0.0, 2.0}}) {
        ASSERT_TRUE(edges);
        EXPECT_DOUBLE_EQ(edges->lowHz, low);
        EXPECT_DOUBLE_EQ(edges->highHz, high);
        EXPECT_DOUBLE_EQ(edges->bandwidthHz, high - low);
    }
    EXPECT_DOUBLE_EQ(*dips[1].q, 3.0 / (dips[1].swr2->bandwidthHz * std::sqrt(2.0)));
    EXPECT_FALSE(dips[2].swr2);   // its upper edge lies beyond the sweep
    EXPECT_FALSE(dips[2].swr15);  // it does not go below 1.5
    EXPECT_FALSE(dips[2].q);

    EXPECT_EQ(FindSwrDips(samples, 2.0, 2).size(), 2U);
    EXPECT_EQ(FindSwrDips(samples, 1.5, 3).size(), 2U);
    EXPECT_EQ(FindSwrDips(samples, 1.1, 3).size(), 0U);
}

TEST(BandReport, BandsTheSweepOverlapsInTheRegion) {
    // 6.9 to 7.15 MHz every 10 kHz; SWR 3 except 1.5 from 7.05 to 7.09 MHz.
    std::vector<AntennaSample> samples;
    for (int k = 0; k <= 25; ++k) {
        const double hz = 6.9e6 + k * 1e4;
        samples.push_back(At(hz, hz >= 7.05e6 && hz <= 7.09e6 ? 1.5 : 3.0));
    }
    for (const auto& [region, highHz, covered] :
         {std::tuple{1, 7.2e6, 0.75}, std::tuple{2, 7.3e6, 0.5}}) {
        const std::vector<BandCoverage> bands = ReportBands(samples, region);
        ASSERT_EQ(bands.size(), 1U) << region;
        EXPECT_STREQ(bands[0].band.name, "40m");
        EXPECT_EQ(bands[0].band.highHz, highHz);
        EXPECT_DOUBLE_EQ(bands[0].coveredFraction, covered);
        EXPECT_EQ(*bands[0].minSwr, 1.5);
        EXPECT_EQ(*bands[0].minSwrHz, 7.07e6);                   // the middle of the flat bottom
        EXPECT_DOUBLE_EQ(*bands[0].below2Fraction, 5.0 / 16.0);  // of the samples in the band
    }
    // A coarse sweep over 60 m has no sample in it; one that ends at 7 MHz only touches 40 m.
    const std::vector<BandCoverage> coarse = ReportBands({At(5.0e6, 3), At(7.0e6, 3)}, 1);
    ASSERT_EQ(coarse.size(), 1U);
    EXPECT_STREQ(coarse[0].band.name, "60m");
    EXPECT_FALSE(coarse[0].minSwr);
    EXPECT_DOUBLE_EQ(coarse[0].coveredFraction, 1.0);
    EXPECT_TRUE(ReportBands(samples, 4).empty());
}

TEST(TrimAndCable, FromTheResonances) {
    const std::vector<Resonance> resonances = {{14.0e6, 60, ResonanceKind::Series},
                                               {14.15e6, 3000, ResonanceKind::Parallel},
                                               {21.3e6, 90, ResonanceKind::Series}};
    const std::optional<TrimAdvice> trim = AdviseTrim(resonances, 14.2e6);
    ASSERT_TRUE(trim);
    EXPECT_EQ(trim->resonanceHz, 14.0e6);  // the nearest series resonance, not the parallel one
    EXPECT_DOUBLE_EQ(trim->lengthChangePercent, (14.0 / 14.2 - 1.0) * 100.0);  // shorter
    EXPECT_GT(AdviseTrim(resonances, 20e6)->lengthChangePercent, 0.0);         // longer
    EXPECT_FALSE(AdviseTrim({{7e6, 3000, ResonanceKind::Parallel}}, 7e6));

    const CableEstimate cable = EstimateOpenCable(resonances, 0.66);
    ASSERT_TRUE(cable.length);
    EXPECT_DOUBLE_EQ(cable.length->lengthM, 0.66 * 299'792'458.0 / (4.0 * 14.0e6));
    EXPECT_EQ(EstimateOpenCable({resonances[1], resonances[2]}, 0.66).problem,
              CableProblem::SweepStartsAboveQuarterWave);
    EXPECT_EQ(EstimateOpenCable({}, 0.66).problem, CableProblem::NoSeriesResonance);

    // The settings write a percentage, the program's default is the factor itself.
    EXPECT_DOUBLE_EQ(VelocityFactorOfSetting(66.0), 0.66);
    EXPECT_DOUBLE_EQ(VelocityFactorOfSetting(1.0), 1.0);
    EXPECT_TRUE(IsVelocityFactor(1.0));
    EXPECT_FALSE(IsVelocityFactor(0.0));
    EXPECT_FALSE(IsVelocityFactor(1.01));
}

TEST(MeasuredZeros, WhereTheSignChangesBeyondTheNoise) {
    std::vector<AntennaSample> samples;
    // Noise of a nearly real load, then a change from - to + (through small values) and back.
    for (const double xs : {0.1, -0.1, 0.2, -20.0, -1.0, 0.5, -0.5, 5.0, 20.0, 4.0, -6.0}) {
        samples.push_back(At(double(samples.size()), 1.0, xs));
    }
    const std::vector<Resonance> zeros = FindMeasuredZeros(samples);
    ASSERT_EQ(zeros.size(), 2U);
    EXPECT_DOUBLE_EQ(zeros[0].hz, 6.0 + 0.5 / 5.5);
    EXPECT_EQ(zeros[0].kind, ResonanceKind::Series);
    EXPECT_DOUBLE_EQ(zeros[1].hz, 9.0 + 0.4);
    EXPECT_EQ(zeros[1].kind, ResonanceKind::Parallel);
}

// Without a measured sign: clear minima of |Im G| are the zeros, and the sign follows from them.
TEST(EstimatedReactance, OnlyClearMinimaOfImGAreZerosAndTheSignsFollowFoster) {
    struct ZeroCase {
        const char* name;
        std::vector<double> imG;
        double reactanceShare;  // |X| / |Z| away from the minimum
        std::vector<double> zeros;
    };
    const ZeroCase cases[] = {
        {"a clear minimum", {0.03, 0.0, 0.03}, 0.9, {1.0}},
        {"equal minima in one basin count once", {0.5, 0.3, 0.0, 0.001, 0.0, 0.3, 0.5}, 0.9, {3.0}},
        {"a dip that does not double", {0.19, 0.1, 0.19}, 0.9, {}},
        {"a wandering match: X stays small", {0.03, 0.0, 0.03}, 0.2, {}},
        {"a minimum at the end", {0.0, 0.3, 0.5}, 0.9, {}},
    };
    for (const ZeroCase& c : cases) {
        std::vector<AntennaSample> samples;
        for (const double w : c.imG) {
            AntennaSample s = At(double(samples.size()), 1.0, 0.0, w == 0.0 ? 50.0 : 100.0);
            s.xs = w == 0.0 ? 0.0 : c.reactanceShare * s.z;
            s.gamma = {0.0, w};
            samples.push_back(s);
        }
        const std::vector<Resonance> zeros = EstimateReactanceZeros(samples);
        ASSERT_EQ(zeros.size(), c.zeros.size()) << c.name;
        for (std::size_t i = 0; i < zeros.size(); ++i) {
            EXPECT_DOUBLE_EQ(zeros[i].hz, c.zeros[i]) << c.name;
            EXPECT_EQ(zeros[i].kind, ResonanceKind::Series) << c.name;  // |Z| lowest there
        }
    }

    std::vector<AntennaSample> samples;
    samples.reserve(10);
    for (int i = 0; i < 10; ++i) samples.push_back(At(i, 1.0, 10.0 - i, i == 5 ? 500.0 : 50.0));
    // Two series zeros hide a parallel one where |Z| peaks.
    AssignEstimatedSigns(samples,
                         {{2.5, 50, ResonanceKind::Series}, {7.0, 50, ResonanceKind::Series}});
    const double expected[] = {-1, -1, -1, 1, 1, -1, -1, 1, 1, 1};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(std::copysign(1.0, samples[i].xs), expected[i]) << i;
    AssignEstimatedSigns(samples, {});  // |X| falls: capacitive
    for (const AntennaSample& s : samples) EXPECT_LT(s.xs, 0.0) << s.hz;
}

TEST(SweepSamples, TheMeasuredIndicesInAscendingFrequency) {
    SweepData data(6);
    // Swept from high to low with Step 2: indices 0, 2, 4, 6; index 2 has no word, index 4 a
    // reading that is not a number; index 1 is not on the step's grid.
    data.DdsWords = {TuningWord(9e6), TuningWord(8e6), 0.0, TuningWord(6e6), TuningWord(5e6),
                     TuningWord(4e6), TuningWord(3e6)};
    data.ReturnLossSamples = {171, 171, 171, 171, std::nanf(""), 171, 853};
    data.PhaseSamples = {514, 514, 514, 514, 514, 514, 300};
    const AntennaSamples set = SamplesFromSweep(data, 2);
    ASSERT_EQ(set.samples.size(), 2U);
    EXPECT_NEAR(set.samples[0].hz, 3e6, 0.1);
    EXPECT_NEAR(set.samples[1].hz, 9e6, 0.1);
    const AntennaSample& low = set.samples[0];
    EXPECT_EQ(low.swr, ConvertSample(853.0F, 300.0F).swr);
    EXPECT_DOUBLE_EQ(low.returnLossDb, std::fabs(ReturnLossDb(853.0F)));
    EXPECT_NEAR(std::abs(low.gamma), std::pow(10.0, -low.returnLossDb / 20.0), 1e-6);
    EXPECT_GE(low.gamma.imag(), 0.0);
}

}  // namespace
}  // namespace ravemo
