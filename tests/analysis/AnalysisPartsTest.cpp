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

TEST(SwrDips, DeepestFirstWithInterpolatedEdgesAndNoDipAtTheSweepsEdge) {
    // Stretches below 2: 1..5 (flat bottom 2..4), 7 (beside an infinite SWR), 9..10 (lowest at
    // the last sample: no dip).
    const auto samples = SwrProfile({3.0, 1.8, 1.4, 1.4, 1.4, 1.9, 2.5, 1.2, kInfinity, 1.9, 1.6});
    const SwrLows lows = FindSwrLows(samples, 2.0);
    const std::vector<SwrDip>& dips = lows.dips;
    ASSERT_EQ(dips.size(), 2U);
    EXPECT_EQ(dips[0].bottom.hz, 7.0);
    EXPECT_EQ(dips[1].bottom.hz, 3.0);
    ASSERT_EQ(lows.atEdges.size(), 1U);
    EXPECT_EQ(lows.atEdges[0].edge, SweepEdge::Upper);
    EXPECT_EQ(lows.atEdges[0].sample.hz, 10.0);
    for (const auto& [edges, low, high] :
         {std::tuple{dips[0].swr2, 7.0 - 0.8 / 1.3, 7.0},
          std::tuple{dips[0].swr15, 7.0 - 0.3 / 1.3, 7.0},
          std::tuple{dips[1].swr2, 1.0 - 0.2 / 1.2, 5.0 + 0.1 / 0.6},
          std::tuple{dips[1].swr15, 2.0 - 0.1 / 0.4, 4.0 + 0.1 / 0.5},
          // A sample at exactly 2 is the edge itself.
          std::tuple{FindSwrDips(SwrProfile({2.0, 1.3, 2.0}), 2.0, 1).at(0).swr2, 0.0, 2.0}}) {
        ASSERT_TRUE(edges);
        EXPECT_DOUBLE_EQ(*edges->lowHz, low);
        EXPECT_DOUBLE_EQ(*edges->highHz, high);
        EXPECT_DOUBLE_EQ(*edges->bandwidthHz(), high - low);
    }
    EXPECT_DOUBLE_EQ(*dips[1].q, 3.0 / (*dips[1].swr2->bandwidthHz() * std::sqrt(2.0)));

    // A dip near the start: the lower 2:1 edge lies before the sweep, the upper one is known.
    const SwrDip early = FindSwrDips(SwrProfile({1.9, 1.5, 1.2, 1.6, 2.6}), 2.0, 1).at(0);
    ASSERT_TRUE(early.swr2);
    EXPECT_FALSE(early.swr2->lowHz);
    EXPECT_DOUBLE_EQ(*early.swr2->highHz, 3.0 + 0.4 / 1.0);
    EXPECT_FALSE(early.swr2->bandwidthHz());
    EXPECT_FALSE(early.q);
    EXPECT_EQ(early.qProblem, QProblem::EdgeOutside);
    // A bottom that reads 2:1 within one return-loss step (SWR 1.9896) has a band of rounding.
    // None of these bottoms reaches 1.5: no 1.5:1 band (not one of negative width).
    for (const auto& [bottom, problem] :
         {std::pair{1.995, QProblem::BottomNearTwoToOne}, std::pair{1.985, QProblem::None},
          std::pair{2.0, QProblem::NotReached}}) {
        const SwrDip dip = FindSwrDips(SwrProfile({2.5, bottom, 2.5}), 2.01, 1).at(0);
        EXPECT_EQ(dip.qProblem, problem) << bottom;
        EXPECT_EQ(dip.q.has_value(), problem == QProblem::None) << bottom;
        EXPECT_FALSE(dip.swr15) << bottom;
    }

    EXPECT_EQ(FindSwrDips(samples, 2.0, 1).size(), 1U);
    EXPECT_EQ(FindSwrDips(samples, 1.5, 3).size(), 2U);
    EXPECT_EQ(FindSwrDips(samples, 1.1, 3).size(), 0U);
    // A flat bottom at the start: the lowest SWR lies at the lower edge, no dip.
    const auto profile = SwrProfile({1.2, 1.2, 1.5, 3.0});
    const std::optional<SwrAtEdge> lower = LowestSwrAtEdge(profile);
    ASSERT_TRUE(lower);
    EXPECT_EQ(lower->edge, SweepEdge::Lower);
    EXPECT_TRUE(FindSwrLows(profile, 2.0).dips.empty());
    EXPECT_FALSE(LowestSwrAtEdge(samples));
}

// Readings with noise of +-0.2 dB on the return loss (alternating: the noise estimate sees it).
std::vector<AntennaSample> NoisyProfile(const std::vector<double>& returnLossDb) {
    std::vector<AntennaSample> samples;
    for (std::size_t i = 0; i < returnLossDb.size(); ++i) {
        const double rl = returnLossDb[i] + (i % 2 == 0 ? 0.2 : -0.2);
        const double g = std::pow(10.0, -rl / 20.0);
        AntennaSample s = At(double(i), (1.0 + g) / (1.0 - g));
        s.returnLossDb = rl;
        samples.push_back(s);
    }
    return samples;
}

TEST(SwrDips, NoiseNeitherSplitsADipNorMakesOne) {
    // A dip (14 dB, SWR 1.5) whose middle rises just past 2:1 (9.2 dB against 9.54) for five
    // samples: within the noise, so one dip, not two.
    std::vector<double> split(120, 5.0);
    for (std::size_t i = 40; i <= 80; ++i) split[i] = i >= 56 && i <= 60 ? 9.2 : 14.0;
    EXPECT_EQ(FindSwrLows(NoisyProfile(split), 2.0).dips.size(), 1U);
    // A dip of 10.6 dB (SWR 1.83), 1.06 dB past 2:1: rough readings (three deviations are 1.45 dB
    // here) never widen the noise band past 1 dB, so it stays a dip.
    std::vector<double> shallow(120, 5.0);
    for (std::size_t i = 40; i <= 80; ++i) shallow[i] = 10.6;
    EXPECT_EQ(FindSwrLows(NoisyProfile(shallow), 2.0).dips.size(), 1U);
    // A flat SWR of 2.02 (9.45 dB) whose noise crosses 2:1 at every other sample: no dip, no
    // low at an edge.
    std::vector<double> flat(120, 9.45);
    for (std::size_t i = 0; i < 10; ++i) flat[i] = flat[119 - i] = 5.0;
    for (const std::vector<double>& profile : {flat, std::vector<double>(120, 9.45)}) {
        const SwrLows lows = FindSwrLows(NoisyProfile(profile), 2.0);
        EXPECT_TRUE(lows.dips.empty());
        EXPECT_TRUE(lows.atEdges.empty());
    }
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

TEST(TrimAndCable, TrimByTheNearestDipInTheTargetsBandAndCableFromTheResonances) {
    // Dips at 13.65 and 14.6 MHz (outside 20 m), 21.1 MHz; the SWR falls to the sweep's end.
    std::vector<AntennaSample> samples;
    for (const auto& [mhz, swr] : {std::pair{13.0, 3.0},
                                   {13.65, 1.3},
                                   {14.0, 3.0},
                                   {14.3, 1.8},
                                   {14.4, 3.0},
                                   {14.6, 1.2},
                                   {15.0, 3.0},
                                   {21.1, 1.5},
                                   {25.0, 3.0},
                                   {29.0, 1.9}}) {
        samples.push_back(At(mhz * 1e6, swr));
    }
    const SwrLows lows = FindSwrLows(samples, 2.0);
    const std::vector<AmateurBand> bands = AmateurBandsOf(1);
    const struct {
        double targetMHz;
        TrimBasis basis;
        double dipMHz;
    } cases[] = {
        {14.2, TrimBasis::Dip, 14.3},        // the dip inside 20 m, though 14.6 is deeper
        {13.7, TrimBasis::Dip, 13.65},       // outside a band: the nearest dip
        {28.5, TrimBasis::UpperEdge, 29.0},  // the nearest low is the sweep's end: no dip
        {21.2, TrimBasis::Dip, 21.1},
    };
    for (const auto& c : cases) {
        const TrimAdvice trim = AdviseTrim(lows, c.targetMHz * 1e6, bands);
        EXPECT_EQ(trim.basis, c.basis) << c.targetMHz;
        EXPECT_DOUBLE_EQ(trim.dipHz, c.dipMHz * 1e6) << c.targetMHz;
        if (c.basis == TrimBasis::Dip) {
            // A dip below the target means a long element: shorten it.
            EXPECT_NEAR(trim.lengthChangePercent, (c.dipMHz / c.targetMHz - 1.0) * 100.0, 1e-12);
        }
    }
    EXPECT_EQ(AdviseTrim(FindSwrLows(samples, 1.1), 14.2e6, bands).basis, TrimBasis::NoSwrDip);
    for (const auto& [mhz, ok] : {std::pair{0.0009, false},
                                  {0.001, true},
                                  {90.0035, true},
                                  {90.0036, false},
                                  {1e9, false},
                                  {std::nan(""), false}}) {
        EXPECT_EQ(IsTrimTargetHz(mhz * 1e6), ok) << mhz;
    }

    const std::vector<Resonance> resonances = {{14.0e6, 60, ResonanceKind::Series},
                                               {14.15e6, 3000, ResonanceKind::Parallel},
                                               {21.3e6, 90, ResonanceKind::Series}};
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

// Without a measured sign: G crosses the real axis where |Im G| has a clear minimum near zero
// while the phase comes close to 0 or 180 degrees; at a small |G| nobody can tell.
TEST(EstimatedReactance, ZerosOnlyWherePhaseReachesTheAxisAndSignsFollowFosterOrAreUnknown) {
    struct ZeroCase {
        const char* name;
        double bottom;  // |Im G| at sample 20; it rises by 0.02 a sample on both sides
        double re;      // Re G at the bottom (0.5 elsewhere)
        int zeros;
        int unclear;
    };
    const ZeroCase cases[] = {
        {"a crossing bending right: upwards, series", 0.0, 0.45, 1, 0},
        {"a crossing sampled beside it", 0.008, 0.45, 1, 0},
        {"a crossing bending left: downwards, parallel", 0.0, 0.55, 1, 0},
        {"a pass beside the axis", 0.1, 0.5, 0, 0},
        {"an SWR dip: phase at 90 degrees", 0.01, 0.0, 0, 1},
        {"phase at 0 but |G| below the floor", 0.001, 0.03, 0, 1},
    };
    for (const ZeroCase& c : cases) {
        std::vector<AntennaSample> samples;
        for (int i = 0; i <= 40; ++i) {
            AntennaSample s = At(double(i), 1.0, 0.0, i == 20 ? 50.0 : 100.0);
            s.gamma = {i == 20 ? c.re : 0.5, c.bottom + 0.02 * std::abs(i - 20)};
            samples.push_back(s);
        }
        const ReactanceEvidence evidence = EstimateReactanceZeros(samples);
        ASSERT_EQ(int(evidence.zeros.size()), c.zeros) << c.name;
        EXPECT_EQ(int(evidence.unclear.size()), c.unclear) << c.name;
        if (c.zeros == 1) {
            EXPECT_DOUBLE_EQ(evidence.zeros[0].hz, 20.0) << c.name;
            EXPECT_EQ(evidence.zeros[0].kind,
                      c.re < 0.5 ? ResonanceKind::Series : ResonanceKind::Parallel)
                << c.name;
        }
        if (c.unclear == 1) {
            EXPECT_LE(evidence.unclear[0].lowHz, 20.0) << c.name;
            EXPECT_GE(evidence.unclear[0].highHz, 20.0) << c.name;
        }
    }

    // Zeros at 2.5 (series), 7 (series), 12 (parallel), an unclear stretch 15..16, and 19.
    std::vector<AntennaSample> samples;
    samples.reserve(22);
    for (int i = 0; i < 22; ++i) samples.push_back(At(i, 1.0, 5.0, 50.0));
    constexpr ResonanceKind kS = ResonanceKind::Series;
    constexpr ResonanceKind kP = ResonanceKind::Parallel;
    AssignEstimatedSigns(
        samples, {{{2.5, 50, kS}, {7.0, 50, kS}, {12.0, 50, kP}, {19.0, 50, kS}}, {{15.0, 16.0}}});
    // - before a series zero, + after it; two series zeros in a row: one was missed between
    // them, so nothing is known there; + before the parallel zero, - after it up to the unclear
    // stretch; beyond it only the series zero at 19 tells: - before it.
    const char* const expected = "---....+++++---..--+++";
    for (int i = 0; i < 22; ++i) {
        const AntennaSample& s = samples[static_cast<std::size_t>(i)];
        const char got = s.xsSign == ReactanceSign::Unknown ? '.' : s.xs > 0 ? '+' : '-';
        EXPECT_EQ(got, expected[i]) << i;
        EXPECT_EQ(std::fabs(s.xs), 5.0) << i;
    }
    AssignEstimatedSigns(samples, {});  // no zero at all: nothing is known
    for (const AntennaSample& s : samples) EXPECT_EQ(s.xsSign, ReactanceSign::Unknown) << s.hz;
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
