#include "sweep/SweepAverage.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ravemo {
namespace {

// One sweep of three points, every reading `value` (phase twice it), at the given words.
SweepData SweepOf(float value, double firstWord = 100.0) {
    SweepData data(2);
    data.DdsWords = {firstWord, 200.0, kNotMeasuredWord};
    data.ReturnLossSamples.assign(3, value);
    data.PhaseSamples.assign(3, 2 * value);
    return data;
}

// The average of the last `depth` sweeps, by hand: sweeps reading 1, 2, 3, ... in turn.
TEST(SweepAverage, AveragesTheLastSweepsAndStartsAgainOnNewWords) {
    const struct {
        int depth;
        int sweeps;       // sweeps 1..sweeps read 1..sweeps
        float average;    // of the return loss after the last
        int count;        // sweeps in the average
        bool newWordsAt;  // the last sweep is at other words
    } cases[] = {
        {4, 1, 1.0F, 1, false},    {4, 3, 2.0F, 3, false},
        {4, 4, 2.5F, 4, false},    {4, 6, 4.5F, 4, false},  // 3, 4, 5, 6: the oldest left
        {16, 16, 8.5F, 16, false}, {2, 9, 8.5F, 2, false},
        {1, 5, 5.0F, 0, false},  // no averaging: the readings stand as read
        {3, 5, 5.0F, 0, false},  // 3 is no depth: none
        {8, 5, 5.0F, 1, true},   // new limits: the average starts with the new sweep
    };
    for (const auto& c : cases) {
        SweepAverage average;
        average.setDepth(c.depth);
        SweepData data(2);
        for (int k = 1; k <= c.sweeps; ++k) {
            data = SweepOf(static_cast<float>(k), c.newWordsAt && k == c.sweeps ? 101.0 : 100.0);
            average.fold(data);
        }
        EXPECT_EQ(data.ReturnLossSamples[1], c.average) << c.depth << " of " << c.sweeps;
        EXPECT_EQ(data.PhaseSamples[2], 2 * c.average) << c.depth << " of " << c.sweeps;
        EXPECT_EQ(average.count(), c.count) << c.depth << " of " << c.sweeps;
    }
}

TEST(SweepAverage, RestartForgetsTheSweepsBefore) {
    SweepAverage average;
    average.setDepth(4);
    for (const float value : {10.0F, 20.0F}) {
        SweepData data = SweepOf(value);
        average.fold(data);
    }
    average.restart();
    SweepData data = SweepOf(3.0F);
    average.fold(data);
    EXPECT_EQ(data.ReturnLossSamples[0], 3.0F);
    EXPECT_EQ(average.count(), 1);
}

}  // namespace
}  // namespace ravemo
