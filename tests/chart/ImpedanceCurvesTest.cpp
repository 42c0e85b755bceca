#include <algorithm>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "CurveTestBench.h"
#include "instrument/Dds.h"
#include "sweep/MeasurementRules.h"

namespace ravemo::test {
namespace {

constexpr double kH = 3795.0;

TEST(ImpedanceCurves, SampleConversionMatchesTheWorkedExamples) {
    const SampleValues matched = ConvertSample(256.0F, 0.0F);
    EXPECT_NEAR(matched.rho, 5.622, 0.001);
    EXPECT_NEAR(matched.xs, 0.0, 1e-9);
    EXPECT_NEAR(matched.rs, 71.63, 0.01);
    EXPECT_NEAR(matched.z, 71.63, 0.01);
    EXPECT_NEAR(matched.swr, 1.433, 0.001);

    const SampleValues bottom = ConvertSample(0.0F, 0.0F);
    EXPECT_NEAR(bottom.rs, 53.27, 0.01);
    EXPECT_FLOAT_EQ(bottom.z, bottom.rs);
    EXPECT_NEAR(bottom.swr, 1.065, 0.001);

    const SampleValues reactive = ConvertSample(256.0F, 514.0F);
    EXPECT_NEAR(reactive.xs, 17.25, 0.01);
    EXPECT_NEAR(reactive.rs, 46.96, 0.01);
    EXPECT_NEAR(reactive.z, 50.03, 0.01);

    // Far off the chart but finite: SWR about 5400, Rs about 271000 ohms.
    const SampleValues open = ConvertSample(512.0F, 0.0F);
    EXPECT_NEAR(open.swr, 5400.0, 100.0);
    EXPECT_NEAR(open.rs, 271000.0, 3000.0);
}

TEST(ImpedanceCurves, StrokesSpanOneSampleFromTheLastHeightInZXsRsSwrOrder) {
    CurveTestBench bench(6000, 1);
    bench.controls.setAll(1);
    bench.data.ReturnLossSamples.assign(6001, 256.0F);
    bench.drawing->DrawImpedanceCurves();

    EXPECT_EQ(bench.canvas.wipeCount(), 0U);
    EXPECT_EQ(bench.pump.count(), 0);
    ASSERT_EQ(bench.canvas.calls.size(), 4U * 6001U);
    const std::uint32_t order[] = {kZColour, kXsColour, kRsColour, kSwrColour};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(bench.canvas.calls[4 + k].segment.colour, order[k]);
    }

    const auto z = bench.canvas.segments(kZColour);
    const auto swr = bench.canvas.segments(kSwrColour);
    // First stroke from the top edge, then level at the sample's height.
    EXPECT_EQ(z[0].x1, 0.0F);
    EXPECT_EQ(z[0].y1, 0.0F);
    EXPECT_EQ(z[0].x2, bench.xScale);
    EXPECT_NEAR(z[0].y2, 906.2, 0.1);
    EXPECT_NEAR(swr[0].y2, 3251.3, 0.1);
    EXPECT_EQ(z[10].x1, 10.0F * bench.xScale);
    EXPECT_EQ(z[10].x2, 10.0F * bench.xScale + bench.xScale);
    EXPECT_EQ(z[10].y1, z[9].y2);
    EXPECT_NEAR(bench.canvas.segments(kRsColour)[5].y2, 906.2, 0.1);
    EXPECT_NEAR(bench.canvas.segments(kXsColour)[5].y2, 0.0, 1e-3);
    EXPECT_FLOAT_EQ(bench.drawing->LastSwrY(), swr.back().y2);
}

TEST(ImpedanceCurves, LargerStepsLeaveGapsBetweenOneSampleStrokes) {
    for (std::int16_t step : {3, 5, 7}) {
        CurveTestBench bench(6000, step);
        bench.controls.setAll(0);
        bench.controls.switches[CurveSwitch::Rs] = 1;
        bench.drawing->DrawImpedanceCurves();
        const auto rs = bench.canvas.segments(kRsColour);
        ASSERT_EQ(rs.size(), static_cast<std::size_t>(6000 / step + 1)) << step;
        EXPECT_EQ(rs[1].x1, static_cast<float>(step) * bench.xScale) << step;
        EXPECT_EQ(rs[1].x2, rs[1].x1 + bench.xScale) << step;
        EXPECT_NEAR(rs[2].x1 - rs[1].x2, (step - 1) * bench.xScale, 1e-3) << step;
        const int lastIndex = 6000 - 6000 % step;
        EXPECT_EQ(rs.back().x1, static_cast<float>(lastIndex) * bench.xScale) << step;
    }
}

TEST(ImpedanceCurves, SwitchedOffCurveFreezesItsLastHeight) {
    CurveTestBench bench(100, 1);
    bench.controls.setAll(0);
    bench.controls.switches[CurveSwitch::Xs] = 1;
    bench.data.ReturnLossSamples.assign(101, 256.0F);
    bench.data.PhaseSamples.assign(101, 514.0F);
    bench.drawing->DrawImpedanceCurves();
    const float frozen = bench.drawing->LastXsY();
    EXPECT_NEAR(frozen, kH * 17.25 / 300, 0.5);

    bench.controls.switches[CurveSwitch::Xs] = 0;
    bench.data.PhaseSamples.assign(101, 300.0F);
    bench.canvas.calls.clear();
    bench.drawing->DrawImpedanceCurves();
    EXPECT_EQ(bench.canvas.calls.size(), 0U);
    EXPECT_EQ(bench.drawing->LastXsY(), frozen);
    EXPECT_EQ(bench.drawing->LastZY(), 0.0F);

    bench.controls.switches[CurveSwitch::Xs] = 1;
    bench.drawing->DrawImpedanceCurves();
    EXPECT_EQ(bench.canvas.segments(kXsColour).front().y1, frozen);
}

TEST(ImpedanceCurves, NonFiniteReadingsAreSkippedAndHugeHeightsClamped) {
    CurveTestBench bench(6, 1);
    bench.controls.setAll(1);
    constexpr float kNan = std::numeric_limits<float>::quiet_NaN();
    constexpr float kInf = std::numeric_limits<float>::infinity();
    bench.data.ReturnLossSamples = {256, kNan, kInf, 512, 256, -kInf, 256};
    bench.data.PhaseSamples = {0, 0, 0, 0, kNan, 0, 0};
    bench.drawing->DrawImpedanceCurves();

    for (const auto& call : bench.canvas.calls) {
        for (float v : {call.segment.x1, call.segment.y1, call.segment.x2, call.segment.y2}) {
            ASSERT_TRUE(std::isfinite(v));
            EXPECT_LE(std::fabs(v), CurveDrawing::kDrawLimitTwips);
        }
    }
    for (float kept : {bench.drawing->LastZY(), bench.drawing->LastXsY(), bench.drawing->LastRsY(),
                       bench.drawing->LastSwrY()}) {
        EXPECT_TRUE(std::isfinite(kept));
    }
    // Sample 3 (SWR about 5400) lies far above the top edge: drawn clamped, kept as computed.
    const auto swr = bench.canvas.segments(kSwrColour);
    const auto open = std::find_if(swr.begin(), swr.end(),
                                   [&](const auto& s) { return s.x1 == 3.0F * bench.xScale; });
    ASSERT_NE(open, swr.end());
    EXPECT_EQ(open->y2, -CurveDrawing::kDrawLimitTwips);
    EXPECT_NEAR(bench.canvas.segments(kSwrColour).back().y2, 3251.3, 0.1);
}

TEST(ImpedanceCurves, UnreachableSamplesAreNotStrokedAndTheNextStrokeIsLevel) {
    CurveTestBench bench(6, 1);
    bench.controls.setAll(0);
    bench.controls.switches[CurveSwitch::Xs] = 1;
    bench.data.ReturnLossSamples.assign(7, 256.0F);
    bench.data.PhaseSamples = {0, 0, 0, 0, 514, 300, 514};
    bench.data.DdsWords[3] = TuningWord(95e6);  // beyond the synthesiser's range
    bench.drawing->DrawImpedanceCurves();

    const auto xs = bench.canvas.segments(kXsColour);
    ASSERT_EQ(xs.size(), 6U);  // samples 0, 1, 2, 4, 5, 6
    EXPECT_EQ(xs[3].x1, 4.0F * bench.xScale);
    // Level at sample 4's own height (17.25 ohm), not a rise from sample 2's (0 ohm).
    EXPECT_EQ(xs[3].y1, xs[3].y2);
    EXPECT_NEAR(xs[3].y2, kH * 17.25 / 300, 0.5);
    EXPECT_EQ(xs[4].y1, xs[3].y2);  // and joined again from there on
    EXPECT_NE(xs[4].y2, xs[4].y1);
    const float kept = bench.drawing->LastXsY();

    bench.data.DdsWords.assign(7, TuningWord(-1e6));  // nothing reachable: nothing drawn or kept
    bench.canvas.calls.clear();
    bench.drawing->DrawImpedanceCurves();
    EXPECT_EQ(bench.canvas.calls.size(), 0U);
    EXPECT_EQ(bench.drawing->LastXsY(), kept);
}

TEST(ImpedanceCurves, ChampBeyondSixteenBitsIsDrawnToTheRightEdge) {
    CurveTestBench bench(50000, 2);
    bench.controls.setAll(0);
    bench.controls.switches[CurveSwitch::Swr] = 1;
    bench.drawing->DrawImpedanceCurves();
    const auto swr = bench.canvas.segments(kSwrColour);
    ASSERT_EQ(swr.size(), 25001U);
    EXPECT_NEAR(swr.back().x1, 8835.0, 0.01);
}

TEST(ImpedanceCurves, ColoursAreRoundedHalvesToEven) {
    CurveTestBench bench(2, 1);
    bench.controls.setAll(0);
    bench.controls.switches[CurveSwitch::Z] = 1;
    bench.controls.switches[CurveSwitch::Swr] = 1;
    bench.settings.colorS5 = 254.5F;
    bench.settings.colorS6 = 255.5F;
    bench.drawing->DrawImpedanceCurves();
    EXPECT_EQ(bench.canvas.segments(254).size(), 3U);
    EXPECT_EQ(bench.canvas.segments(256).size(), 3U);
}

}  // namespace
}  // namespace ravemo::test
