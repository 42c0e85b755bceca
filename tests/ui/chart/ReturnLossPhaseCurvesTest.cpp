#include <gtest/gtest.h>

#include "CurveTestBench.h"
#include "instrument/Dds.h"

namespace ravemo::test {
namespace {

TEST(ReturnLossPhaseCurves, WipeThenPensStartAtXOneFromThePreviousRedrawsLastHeights) {
    CurveTestBench bench(6000, 1, QLocale(QLocale::German));
    bench.controls.switches[CurveSwitch::Phase] = 1;
    bench.controls.offset = QStringLiteral("2,5");  // by the leading number, in the locale
    bench.data.PhaseSamples[0] = 256.0F;
    bench.data.PhaseSamples[6000] = 1000.0F;
    bench.data.ReturnLossSamples[3000] = 256.0F;
    bench.data.ReturnLossSamples[6000] = 100.0F;
    bench.drawing->DrawReturnLossAndPhase();
    EXPECT_TRUE(bench.canvas.calls[0].wipe);  // then phase before loss, sample by sample
    EXPECT_EQ(bench.canvas.calls[2].segment.colour, kLossColour);
    // First redraw: from the top edge, a short stroke back to x = 0.
    const auto phase = bench.canvas.segments(kPhaseColour);
    EXPECT_EQ(phase[0].x1, 1.0F);
    EXPECT_EQ(phase[0].y1, 0.0F);
    EXPECT_EQ(phase[0].x2, 0.0F);
    EXPECT_FLOAT_EQ(phase[0].y2, static_cast<float>(kH / 4));
    EXPECT_FLOAT_EQ(bench.canvas.segments(kLossColour)[3000].y2,
                    static_cast<float>(kH / 2 + 2.5 * 126.5));

    bench.canvas.calls.clear();
    bench.drawing->DrawReturnLossAndPhase();
    EXPECT_FLOAT_EQ(bench.canvas.segments(kPhaseColour)[0].y1,
                    static_cast<float>(kH * 1000 / 1024));
    EXPECT_FLOAT_EQ(bench.canvas.segments(kLossColour)[0].y1,
                    static_cast<float>(kH - kH * 100 / 512));  // without the offset
}

// Return loss joins sample to sample; SWR strokes span one sample, leaving gaps between steps.
TEST(ReturnLossPhaseCurves, BothDrawingsReachTheLastSampleOnTheStepGrid) {
    const struct {
        std::int32_t champ;
        std::int16_t step;
        std::size_t segments;
        int lastIndex;
    } cases[] = {
        {6000, 5, 1201, 6000}, {6000, 7, 858, 5999}, {100, 0, 101, 100}, {50000, 2, 25001, 50000}};
    for (const auto& c : cases) {
        CurveTestBench bench(c.champ, c.step);
        bench.drawing->DrawReturnLossAndPhase();
        EXPECT_EQ(bench.pump.count(), static_cast<int>(c.segments)) << c.step;
        bench.drawing->DrawImpedanceCurves();
        const auto loss = bench.canvas.segments(kLossColour);
        const auto swr = bench.canvas.segments(kSwrColour);
        ASSERT_EQ(loss.size(), c.segments) << c.step;
        ASSERT_EQ(swr.size(), c.segments) << c.step;
        EXPECT_EQ(loss.back().x2, static_cast<float>(c.lastIndex) * bench.xScale) << c.step;
        EXPECT_EQ(swr.back().x1, loss.back().x2) << c.step;
        EXPECT_EQ(swr[1].x2, swr[1].x1 + bench.xScale) << c.step;
    }
}

TEST(ReturnLossPhaseCurves, SwitchesChangedInAYieldActFromThatSampleOn) {
    CurveTestBench bench;
    bench.controls.switches[CurveSwitch::ReturnLoss] = 0;
    bench.data.PhaseSamples[6000] = 512.0F;
    // Yield k comes before sample k - 1.
    bench.pump.atYield(101, [&] { bench.controls.switches[CurveSwitch::Phase] = 1; });
    bench.pump.atYield(201, [&] { bench.controls.switches[CurveSwitch::Phase] = 0; });
    bench.pump.atYield(301, [&] { bench.controls.switches[CurveSwitch::ReturnLoss] = 1; });
    bench.drawing->DrawReturnLossAndPhase();

    const auto phase = bench.canvas.segments(kPhaseColour);
    ASSERT_EQ(phase.size(), 100U);
    EXPECT_EQ(phase[0].x1, 1.0F);  // the pen starts at x = 1 even when switched on mid-redraw
    EXPECT_EQ(phase[0].x2, 100.0F * bench.xScale);
    EXPECT_EQ(bench.canvas.segments(kLossColour).size(), 6001U - 300U);
    // A switched-off curve still keeps its height current.
    EXPECT_FLOAT_EQ(bench.drawing->LastPhaseY(), 1897.5F);
}

TEST(ReturnLossPhaseCurves, SweepTimeIsTheWrappedDifferenceOfTwoTickReadings) {
    CurveTestBench bench;
    const std::vector<std::uint32_t> readings{1000, 1010, 1500, 0xFFFFFF05U, 0x10, 0x11};
    std::size_t next = 0;
    CurveDrawing drawing(bench.canvas, bench.controls, bench.data, bench.settings, bench.pump,
                         bench.xScale, QLocale::c(), [&] { return readings.at(next++); });
    drawing.DrawReturnLossAndPhase();  // 1000 - 0
    drawing.DrawReturnLossAndPhase();  // 1500 - 1010: the second reading, not the first
    drawing.DrawReturnLossAndPhase();  // across the wrap: 0x10 - 0xFFFFFF05
    EXPECT_EQ(bench.controls.sweepTimeTexts, (std::vector<QString>{"1000", "490", "267"}));
}

TEST(ReturnLossPhaseCurves, UnmeasuredOrNonFiniteSamplesNeitherReachTheCanvasNorPoisonThePen) {
    CurveTestBench bench(10, 1);
    bench.controls.switches[CurveSwitch::Phase] = 1;
    bench.data.PhaseSamples = {100, kNan, kInf, 200, 1e30F, 3e38F, 0, 0, 0, 0, kNan};
    bench.data.ReturnLossSamples = {100, -kInf, kNan, 200, -1e30F, 0, 0, 0, 0, 0, kInf};
    bench.data.DdsWords[7] = TuningWord(95e6);  // beyond the synthesiser's range: a gap
    bench.drawing->DrawReturnLossAndPhase();
    bench.expectBoundedSegments();
    // Samples 1, 2 and 5 (3e38 x H overflows single precision), 7 and 10 are skipped.
    const auto phase = bench.canvas.segments(kPhaseColour);
    ASSERT_EQ(phase.size(), 5U);                            // start, 0-3, 3-4, 4-6, 8-9
    EXPECT_EQ(phase[1].x1, phase[0].x2);                    // sample 3 joins on to sample 0
    EXPECT_EQ(phase[2].y2, CurveDrawing::kDrawLimitTwips);  // 1e30 clamped when drawn
    EXPECT_EQ(phase[4].x1, 8.0F * bench.xScale);            // no stroke across the gap
    EXPECT_EQ(bench.canvas.segments(kLossColour).back().x1, 8.0F * bench.xScale);
    EXPECT_FLOAT_EQ(bench.drawing->LastPhaseY(), 0.0F);  // sample 9: last finite height
    EXPECT_FLOAT_EQ(bench.drawing->LastLossY(), static_cast<float>(kH));

    // A redraw that ended in a gap strokes nothing from its last height to the left edge.
    bench.data.DdsWords[10] = TuningWord(-1e6);
    bench.drawing->DrawReturnLossAndPhase();
    bench.canvas.calls.clear();
    bench.drawing->DrawReturnLossAndPhase();
    EXPECT_EQ(bench.canvas.segments(kPhaseColour)[0].x1, 0.0F);
}

}  // namespace
}  // namespace ravemo::test
