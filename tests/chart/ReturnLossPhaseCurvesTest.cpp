#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "CurveTestBench.h"
#include "instrument/Dds.h"

namespace ravemo::test {
namespace {

constexpr double kH = 3795.0;

TEST(ReturnLossPhaseCurves, MidChartSampleLandsWhereTheScalesPutIt) {
    CurveTestBench bench;
    bench.controls.switches[CurveSwitch::Phase] = 1;
    bench.data.PhaseSamples[3000] = 512.0F;
    bench.data.ReturnLossSamples[3000] = 256.0F;
    bench.drawing->DrawReturnLossAndPhase();

    const auto phase = bench.canvas.segments(kPhaseColour);
    const auto loss = bench.canvas.segments(kLossColour);
    ASSERT_EQ(phase.size(), 6001U);
    ASSERT_EQ(loss.size(), 6001U);
    EXPECT_NEAR(phase[3000].x2, 4417.5, 0.01);
    EXPECT_FLOAT_EQ(phase[3000].y2, 1897.5F);
    EXPECT_NEAR(loss[3000].x2, 4417.5, 0.01);
    EXPECT_FLOAT_EQ(loss[3000].y2, 1897.5F);
    // Segments join: each starts where the previous one ended.
    EXPECT_EQ(phase[3001].x1, phase[3000].x2);
    EXPECT_EQ(phase[3001].y1, phase[3000].y2);
    EXPECT_EQ(bench.canvas.segments(kZColour).size(), 0U);
}

TEST(ReturnLossPhaseCurves, OffsetBoxIsReadAsTheLeadingNumber) {
    struct Case {
        const char* text;
        QLocale locale;
        double y;
    };
    const Case cases[] = {
        {"3", QLocale::c(), 2277.0},
        {"-3", QLocale::c(), 1897.5 - 379.5},
        {"", QLocale::c(), 1897.5},
        {"dB 3", QLocale::c(), 1897.5},
        {"2,5", QLocale::c(), 1897.5 + 2 * 126.5},
        {"2,5", QLocale(QLocale::German), 1897.5 + 2.5 * 126.5},
        {"2.5", QLocale(QLocale::German), 1897.5 + 2.5 * 126.5},
    };
    for (const Case& c : cases) {
        CurveTestBench bench(6000, 1, c.locale);
        bench.controls.offset = QString::fromUtf8(c.text);
        bench.data.ReturnLossSamples[3000] = 256.0F;
        bench.drawing->DrawReturnLossAndPhase();
        EXPECT_FLOAT_EQ(bench.canvas.segments(kLossColour)[3000].y2, static_cast<float>(c.y))
            << c.text;
        // The kept height never includes the offset.
        EXPECT_FLOAT_EQ(bench.drawing->LastLossY(), static_cast<float>(kH)) << c.text;
    }
}

TEST(ReturnLossPhaseCurves, PensStartAtXOneFromThePreviousRedrawsLastHeights) {
    CurveTestBench bench;
    bench.controls.switches[CurveSwitch::Phase] = 1;
    bench.controls.offset = QStringLiteral("3");
    bench.data.PhaseSamples[0] = 256.0F;
    bench.data.PhaseSamples[6000] = 1000.0F;
    bench.data.ReturnLossSamples[6000] = 100.0F;
    bench.drawing->DrawReturnLossAndPhase();

    auto phase = bench.canvas.segments(kPhaseColour);
    auto loss = bench.canvas.segments(kLossColour);
    // First redraw: from the top edge, a short stroke back to x = 0.
    EXPECT_EQ(phase[0].x1, 1.0F);
    EXPECT_EQ(phase[0].y1, 0.0F);
    EXPECT_EQ(phase[0].x2, 0.0F);
    EXPECT_FLOAT_EQ(phase[0].y2, static_cast<float>(kH / 4));
    EXPECT_EQ(loss[0].x1, 1.0F);
    EXPECT_EQ(loss[0].y1, 0.0F);

    const float lastPhase = static_cast<float>(kH * 1000 / 1024);
    const float lastLoss = static_cast<float>(kH - kH * 100 / 512);
    EXPECT_FLOAT_EQ(bench.drawing->LastPhaseY(), lastPhase);
    EXPECT_FLOAT_EQ(bench.drawing->LastLossY(), lastLoss);

    bench.canvas.calls.clear();
    bench.drawing->DrawReturnLossAndPhase();
    phase = bench.canvas.segments(kPhaseColour);
    loss = bench.canvas.segments(kLossColour);
    EXPECT_EQ(phase[0].x1, 1.0F);
    EXPECT_FLOAT_EQ(phase[0].y1, lastPhase);
    EXPECT_FLOAT_EQ(loss[0].y1, lastLoss);  // without the offset
}

TEST(ReturnLossPhaseCurves, StrideReachesTheLastSampleOnTheGrid) {
    struct Case {
        std::int16_t step;
        std::size_t segments;
        int lastIndex;
    };
    for (const Case c : {Case{5, 1201, 6000}, Case{7, 858, 5999}, Case{3, 2001, 6000}}) {
        CurveTestBench bench(6000, c.step);
        bench.drawing->DrawReturnLossAndPhase();
        const auto loss = bench.canvas.segments(kLossColour);
        ASSERT_EQ(loss.size(), c.segments) << c.step;
        EXPECT_EQ(loss.back().x2, static_cast<float>(c.lastIndex) * bench.xScale) << c.step;
        EXPECT_EQ(loss[1].x2, static_cast<float>(c.step) * bench.xScale) << c.step;
        EXPECT_EQ(bench.pump.count(), static_cast<int>(c.segments)) << c.step;
    }
}

TEST(ReturnLossPhaseCurves, SwitchedOffCurvesOnlyWipeButKeepTheirHeightsCurrent) {
    CurveTestBench bench;
    bench.controls.setAll(0);
    bench.data.PhaseSamples[6000] = 512.0F;
    bench.data.ReturnLossSamples[6000] = 256.0F;
    bench.drawing->DrawReturnLossAndPhase();
    ASSERT_EQ(bench.canvas.calls.size(), 1U);
    EXPECT_TRUE(bench.canvas.calls[0].wipe);
    EXPECT_FLOAT_EQ(bench.drawing->LastPhaseY(), 1897.5F);
    EXPECT_FLOAT_EQ(bench.drawing->LastLossY(), 1897.5F);
    EXPECT_EQ(bench.pump.count(), 6001);
}

TEST(ReturnLossPhaseCurves, SwitchesAndOffsetChangedInAYieldActFromThatSampleOn) {
    CurveTestBench bench;
    bench.controls.switches[CurveSwitch::ReturnLoss] = 0;
    // Yield k comes before sample k - 1.
    bench.pump.atYield(101, [&] { bench.controls.switches[CurveSwitch::Phase] = 1; });
    bench.pump.atYield(201, [&] { bench.controls.switches[CurveSwitch::Phase] = 0; });
    bench.pump.atYield(301, [&] { bench.controls.switches[CurveSwitch::ReturnLoss] = 1; });
    bench.pump.atYield(302, [&] { bench.controls.offset = QStringLiteral("1"); });
    bench.drawing->DrawReturnLossAndPhase();

    const auto phase = bench.canvas.segments(kPhaseColour);
    ASSERT_EQ(phase.size(), 100U);
    // The pen starts at x = 1 even when the curve is switched on mid-redraw.
    EXPECT_EQ(phase[0].x1, 1.0F);
    EXPECT_EQ(phase[0].x2, 100.0F * bench.xScale);
    const auto loss = bench.canvas.segments(kLossColour);
    ASSERT_EQ(loss.size(), 6001U - 300U);
    EXPECT_FLOAT_EQ(loss[0].y2, static_cast<float>(kH));
    EXPECT_FLOAT_EQ(loss[1].y2, static_cast<float>(kH + 126.5));
}

TEST(ReturnLossPhaseCurves, WipesAfterTheSweepTimeAndDrawsPhaseBeforeLoss) {
    CurveTestBench bench;
    bench.controls.switches[CurveSwitch::Phase] = 1;
    bench.drawing->DrawReturnLossAndPhase();
    ASSERT_EQ(bench.controls.sweepTimeTexts.size(), 1U);
    ASSERT_GE(bench.canvas.calls.size(), 3U);
    EXPECT_TRUE(bench.canvas.calls[0].wipe);
    EXPECT_EQ(bench.canvas.wipeCount(), 1U);
    EXPECT_EQ(bench.canvas.calls[1].segment.colour, kPhaseColour);
    EXPECT_EQ(bench.canvas.calls[2].segment.colour, kLossColour);
}

TEST(ReturnLossPhaseCurves, SweepTimeIsTheWrappedDifferenceOfTwoTickReadings) {
    CurveTestBench bench;
    std::vector<std::uint32_t> readings{1000, 1010, 1500, 1501, 0xFFFFFF00U, 0xFFFFFF05U, 0x10};
    std::size_t next = 0;
    CurveDrawing drawing(bench.canvas, bench.controls, bench.data, bench.settings, bench.pump,
                         bench.xScale, QLocale::c(), [&] { return readings.at(next++); });
    drawing.DrawReturnLossAndPhase();  // 1000 - 0
    drawing.DrawReturnLossAndPhase();  // 1500 - 1010: the second reading, not the first
    drawing.DrawReturnLossAndPhase();  // 0xFFFFFF00 - 1501
    EXPECT_EQ(drawing.SweepStartTick(), 0xFFFFFF05U);
    readings.push_back(0x11);
    drawing.DrawReturnLossAndPhase();  // across the wrap: 0x10 - 0xFFFFFF05
    EXPECT_EQ(bench.controls.sweepTimeTexts,
              (std::vector<QString>{"1000", "490", "4294965539", "267"}));
    EXPECT_EQ(drawing.SweepEndTick(), 0x10U);
}

TEST(ReturnLossPhaseCurves, NonFiniteReadingsNeitherReachTheCanvasNorPoisonThePen) {
    CurveTestBench bench(10, 1);
    bench.controls.switches[CurveSwitch::Phase] = 1;
    constexpr float kNan = std::numeric_limits<float>::quiet_NaN();
    constexpr float kInf = std::numeric_limits<float>::infinity();
    bench.data.PhaseSamples = {100, kNan, kInf, 200, 1e30F, 3e38F, 0, 0, 0, 0, kNan};
    bench.data.ReturnLossSamples = {100, -kInf, kNan, 200, -1e30F, 0, 0, 0, 0, 0, kInf};
    bench.drawing->DrawReturnLossAndPhase();

    for (const auto& call : bench.canvas.calls) {
        if (call.wipe) continue;
        for (float v : {call.segment.x1, call.segment.y1, call.segment.x2, call.segment.y2}) {
            ASSERT_TRUE(std::isfinite(v));
            EXPECT_LE(std::fabs(v), CurveDrawing::kDrawLimitTwips);
        }
    }
    const auto phase = bench.canvas.segments(kPhaseColour);
    // Samples 1, 2 and 5 (3e38 x H overflows single precision) and 10 are skipped.
    ASSERT_EQ(phase.size(), 7U);
    EXPECT_EQ(phase[1].x1, phase[0].x2);  // sample 3 joins on to sample 0
    EXPECT_EQ(phase[1].x2, 3.0F * bench.xScale);
    EXPECT_EQ(phase[2].y2, CurveDrawing::kDrawLimitTwips);  // 1e30 clamped when drawn
    EXPECT_EQ(phase[3].y1, CurveDrawing::kDrawLimitTwips);
    EXPECT_FLOAT_EQ(bench.drawing->LastPhaseY(), 0.0F);  // sample 9: last finite height
    EXPECT_FLOAT_EQ(bench.drawing->LastLossY(), static_cast<float>(kH));

    bench.canvas.calls.clear();
    bench.drawing->DrawReturnLossAndPhase();
    EXPECT_EQ(bench.canvas.segments(kPhaseColour)[0].y1, 0.0F);
}

TEST(ReturnLossPhaseCurves, UnreachableSamplesBreakBothCurvesAndGiveNoHeight) {
    CurveTestBench bench(10, 1);
    bench.controls.switches[CurveSwitch::Phase] = 1;
    for (std::size_t i = 0; i <= 10; ++i) {
        bench.data.PhaseSamples[i] = 100.0F * static_cast<float>(i);
        bench.data.ReturnLossSamples[i] = 10.0F * static_cast<float>(i);
        bench.data.DdsWords[i] = TuningWord(1e6 * static_cast<double>(i));
    }
    // 3 and 4 above the synthesiser's range, 9 and 10 below 0 Hz: none of them was measured.
    for (std::size_t i : {3, 4}) bench.data.DdsWords[i] = TuningWord(95e6);
    for (std::size_t i : {9, 10}) bench.data.DdsWords[i] = TuningWord(-1e6);
    bench.drawing->DrawReturnLossAndPhase();

    const float x = bench.xScale;
    for (const std::uint32_t colour : {kPhaseColour, kLossColour}) {
        const auto curve = bench.canvas.segments(colour);
        // The pen's start stroke to 0, then 0-1, 1-2; a new stretch from 5: 5-6, 6-7, 7-8.
        ASSERT_EQ(curve.size(), 6U) << colour;
        EXPECT_EQ(curve[2].x2, 2.0F * x) << colour;
        EXPECT_EQ(curve[3].x1, 5.0F * x) << colour;
        EXPECT_EQ(curve[3].x2, 6.0F * x) << colour;
        EXPECT_EQ(curve[5].x2, 8.0F * x) << colour;
    }
    EXPECT_EQ(bench.canvas.segments(kPhaseColour)[3].y1, static_cast<float>(kH * 500 / 1024));
    EXPECT_FLOAT_EQ(bench.drawing->LastPhaseY(), static_cast<float>(kH * 800 / 1024));
    EXPECT_FLOAT_EQ(bench.drawing->LastLossY(), static_cast<float>(kH - kH * 80 / 512));

    // The previous redraw ended in a gap: no stroke from its last height to the left edge.
    bench.canvas.calls.clear();
    bench.drawing->DrawReturnLossAndPhase();
    const auto phase = bench.canvas.segments(kPhaseColour);
    ASSERT_EQ(phase.size(), 5U);
    EXPECT_EQ(phase[0].x1, 0.0F);
    EXPECT_EQ(phase[0].x2, x);

    // A redraw that ends on a measured point leaves the start stroke to the next one.
    for (std::size_t i : {9, 10}) bench.data.DdsWords[i] = TuningWord(1e6);
    bench.drawing->DrawReturnLossAndPhase();
    bench.canvas.calls.clear();
    bench.drawing->DrawReturnLossAndPhase();
    EXPECT_EQ(bench.canvas.segments(kPhaseColour).front().x1, 1.0F);
}

TEST(ReturnLossPhaseCurves, ChampBeyondSixteenBitsIsDrawnToTheRightEdge) {
    CurveTestBench bench(40000, 1);
    bench.data.ReturnLossSamples[40000] = 512.0F;
    bench.drawing->DrawReturnLossAndPhase();
    const auto loss = bench.canvas.segments(kLossColour);
    ASSERT_EQ(loss.size(), 40001U);
    EXPECT_NEAR(loss.back().x2, 8835.0, 0.01);
    EXPECT_EQ(loss.back().y2, 0.0F);
    EXPECT_EQ(bench.pump.count(), 40001);
}

TEST(ReturnLossPhaseCurves, StepBelowOneDrawsEverySample) {
    CurveTestBench bench(100, 0);
    bench.drawing->DrawReturnLossAndPhase();
    EXPECT_EQ(bench.canvas.segments(kLossColour).size(), 101U);
}

}  // namespace
}  // namespace ravemo::test
