// The aural SWR indicator's rules: which SWR the tone follows, its pitch, and when it beeps.

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "aural/MatchBeeps.h"
#include "aural/SpokenUpdates.h"
#include "aural/SweepRate.h"
#include "aural/TonePitch.h"
#include "aural/ToneSwr.h"

namespace ravemo {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(TonePitch, ThreeHundredHertzTimesTheSwrUpToFive) {
    // 300 Hz at the match, 1500 Hz at 5, log-linear between: an octave per doubling.
    const struct {
        double swr;
        double hz;
    } cases[] = {{1.0, 300.0},  {1.5, 450.0},  {2.0, 600.0},   {3.0, 900.0}, {4.0, 1200.0},
                 {5.0, 1500.0}, {9.9, 1500.0}, {kInf, 1500.0}, {0.7, 300.0}};
    for (const auto& c : cases) {
        ASSERT_TRUE(TonePitchHz(c.swr).has_value()) << c.swr;
        EXPECT_NEAR(*TonePitchHz(c.swr), c.hz, 1e-9) << c.swr;
    }
    EXPECT_FALSE(TonePitchHz(kNaN).has_value());
}

TEST(MatchBeeps, CrossingsBeepOnceThroughNoiseAndNotWhileSilenced) {
    struct Step {
        double swr;
        bool silenced;
        MatchBeep beep;
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"first reading only sets the zone", {{1.3, false, MatchBeep::None}}},
        {"down through 2 then 1.5",
         {{3.0, false, MatchBeep::None},
          {1.9, false, MatchBeep::Double},
          {1.7, false, MatchBeep::None},
          {1.45, false, MatchBeep::Triple},
          {1.2, false, MatchBeep::None}}},
        {"straight from 3 to 1.3: the triple alone",
         {{3.0, false, MatchBeep::None}, {1.3, false, MatchBeep::Triple}}},
        {"noise around 2.0 beeps once",
         {{2.3, false, MatchBeep::None},
          {1.98, false, MatchBeep::Double},
          {2.04, false, MatchBeep::None},
          {1.97, false, MatchBeep::None},
          {2.09, false, MatchBeep::None},
          {1.99, false, MatchBeep::None}}},
        {"noise around 1.5 beeps once",
         {{1.8, false, MatchBeep::None},
          {1.49, false, MatchBeep::Triple},
          {1.55, false, MatchBeep::None},
          {1.48, false, MatchBeep::None}}},
        {"rising clear of 2 re-arms",
         {{2.5, false, MatchBeep::None},
          {1.9, false, MatchBeep::Double},
          {2.2, false, MatchBeep::None},
          {1.9, false, MatchBeep::Double}}},
        {"rising to between 1.5 and 2 re-arms only the triple",
         {{2.5, false, MatchBeep::None},
          {1.4, false, MatchBeep::Triple},
          {1.8, false, MatchBeep::None},
          {1.4, false, MatchBeep::Triple}}},
        {"Hold or a failing port: silent and not counted",
         {{3.0, false, MatchBeep::None},
          {1.9, true, MatchBeep::None},
          {1.4, true, MatchBeep::None},
          {1.9, false, MatchBeep::Double}}},
        {"an unknown SWR changes nothing",
         {{3.0, false, MatchBeep::None},
          {kNaN, false, MatchBeep::None},
          {1.9, false, MatchBeep::Double}}},
    };
    for (const auto& c : cases) {
        MatchBeeps beeps;
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const Step& s = c.steps[i];
            EXPECT_EQ(beeps.afterSweep(s.swr, s.silenced), s.beep) << c.name << ", step " << i;
        }
    }
}

AntennaSample At(double hz, double swr, double floorSwr = 0.0) {
    AntennaSample s;
    s.hz = hz;
    s.swr = swr;
    s.floorSwr = floorSwr;
    return s;
}

TEST(ToneSwr, NearestSampleToTheTargetOrTheLowestWithout) {
    AntennaSamples set;
    set.samples = {At(7.0e6, 2.5), At(7.1e6, 1.3), At(7.2e6, 1.8), At(7.3e6, 1.05, 1.1)};
    const struct {
        std::optional<double> targetHz;
        std::optional<double> swr;
    } cases[] = {
        {std::nullopt, 1.1},  // the lowest, counted at its floor
        {7.0e6, 2.5},           {7.14e6, 1.3},          {7.16e6, 1.8},
        {7.3e6, 1.1},           {6.99e6, std::nullopt},  // outside the sweep: not measured
        {7.31e6, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToneSwr(set, c.targetHz), c.swr) << c.targetHz.value_or(0.0);
    }
    EXPECT_EQ(ToneSwr({}, std::nullopt), std::nullopt);
}

TEST(SweepRate, SweepsPerSecondOverTheLastTwoSeconds) {
    SweepRate rate;
    EXPECT_EQ(rate.perSecond(), std::nullopt);
    rate.add(0.0);
    EXPECT_EQ(rate.perSecond(), std::nullopt);
    for (int i = 1; i <= 10; ++i) rate.add(i * 0.5);  // 2 a second for 5 s
    EXPECT_DOUBLE_EQ(*rate.perSecond(), 2.0);
    for (int i = 1; i <= 40; ++i) rate.add(5.0 + i * 0.1);  // then 10 a second
    EXPECT_DOUBLE_EQ(*rate.perSecond(), 10.0);
}

TEST(SpokenUpdates, SpeaksFirstThenWhenTheDipMovesMoreThanTheStep) {
    const std::optional<double> none;
    const struct {
        std::optional<double> dipHz;
        bool due;
    } sweeps[] = {
        {7.100e6, true},                   // the first
        {7.105e6, false},                  // 5 kHz: within the 10 kHz step
        {7.110e6, false},                  // exactly the step from where it was spoken of
        {7.1101e6, true},                  // beyond it
        {7.1050e6, false}, {none, true},   // the dip vanished
        {none, false},     {7.0e6, true},  // and came back
    };
    SpokenUpdates updates(10e3);
    for (const auto& s : sweeps) {
        EXPECT_EQ(updates.due(s.dipHz), s.due) << s.dipHz.value_or(0.0);
        if (s.due) updates.spoken(s.dipHz);
    }
    updates.restart();
    EXPECT_TRUE(updates.due(7.0e6));
}

}  // namespace
}  // namespace ravemo
