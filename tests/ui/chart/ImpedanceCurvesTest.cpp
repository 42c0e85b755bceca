#include <gtest/gtest.h>

#include "CurveTestBench.h"
#include "instrument/Dds.h"
#include "sweep/MeasurementRules.h"

namespace ravemo::test {
namespace {

TEST(ImpedanceCurves, SampleConversionMatchesTheWorkedExamples) {
    const struct {
        float returnLossRaw, phaseRaw;
        double xs, rs, z, tolerance, swr, swrTolerance;
    } cases[] = {
        {0, 0, 0.0, 53.27, 53.27, 0.01, 1.065, 0.001},
        {256, 514, 17.25, 46.96, 50.03, 0.01, 1.433, 0.001},
        {512, 0, 0.0, 271000.0, 271000.0, 3000.0, 5400.0, 100.0},  // far off the chart, finite
    };
    for (const auto& c : cases) {
        const SampleValues v = ConvertSample(c.returnLossRaw, c.phaseRaw);
        EXPECT_NEAR(v.xs, c.xs, c.tolerance) << c.returnLossRaw << "/" << c.phaseRaw;
        EXPECT_NEAR(v.rs, c.rs, c.tolerance) << c.returnLossRaw << "/" << c.phaseRaw;
        EXPECT_NEAR(v.z, c.z, c.tolerance) << c.returnLossRaw << "/" << c.phaseRaw;
        EXPECT_NEAR(v.swr, c.swr, c.swrTolerance) << c.returnLossRaw << "/" << c.phaseRaw;
    }
}

// Colour numbers are rounded, halves to even: Z in 254, SWR in 256. At 256/0 (reflection 5.622 %)
// |Z| is 71.63 ohm and SWR 1.433.
TEST(ImpedanceCurves, StrokesSpanOneSampleFromTheLastHeightInZXsRsSwrOrderAndFreezeWhenOff) {
    CurveTestBench bench(6000, 1);
    bench.controls.setAll(1);
    bench.settings.colorS5 = 254.5F;
    bench.settings.colorS6 = 255.5F;
    bench.data.ReturnLossSamples.assign(6001, 256.0F);
    bench.drawing->DrawImpedanceCurves();

    EXPECT_EQ(bench.canvas.wipeCount(), 0U);
    EXPECT_EQ(bench.pump.count(), 0);
    ASSERT_EQ(bench.canvas.calls.size(), 4U * 6001U);
    const std::uint32_t order[] = {254, kXsColour, kRsColour, 256};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(bench.canvas.calls[4 + k].segment.colour, order[k]);
    }
    const auto z = bench.canvas.segments(254);
    EXPECT_EQ(z[0].x1, 0.0F);  // the first stroke from the top edge, then level
    EXPECT_EQ(z[0].y1, 0.0F);
    EXPECT_NEAR(z[0].y2, 906.2, 0.1);
    EXPECT_NEAR(bench.canvas.segments(256)[0].y2, 3251.3, 0.1);
    EXPECT_EQ(z[10].y1, z[9].y2);

    // A switched-off curve freezes its last height: the next stroke starts from it.
    const float frozen = bench.drawing->LastXsY();
    bench.controls.switches[CurveSwitch::Xs] = 0;
    bench.data.PhaseSamples.assign(6001, 300.0F);
    bench.drawing->DrawImpedanceCurves();
    bench.controls.switches[CurveSwitch::Xs] = 1;
    bench.canvas.calls.clear();
    bench.drawing->DrawImpedanceCurves();
    EXPECT_EQ(bench.canvas.segments(kXsColour).front().y1, frozen);
}

TEST(ImpedanceCurves, UnmeasuredOrNonFiniteSamplesAreSkippedAndHugeHeightsClamped) {
    CurveTestBench bench(7, 1);
    bench.controls.setAll(1);
    bench.data.ReturnLossSamples = {256, kNan, kInf, 512, 256, 256, 256, 256};
    bench.data.PhaseSamples = {0, 0, 0, 0, kNan, 0, 514, 514};
    bench.data.DdsWords[5] = TuningWord(95e6);  // beyond the synthesiser's range
    bench.drawing->DrawImpedanceCurves();
    bench.expectBoundedSegments();
    EXPECT_TRUE(std::isfinite(bench.drawing->LastZY()));
    // Sample 3 (SWR about 5400) lies far above the top edge: drawn clamped.
    EXPECT_EQ(bench.strokeFrom(kSwrColour, 3).y2, -CurveDrawing::kDrawLimitTwips);
    EXPECT_TRUE(std::isnan(bench.strokeFrom(kXsColour, 5).y2));
    // After the gap, level at sample 6's own height (17.25 ohm), not a rise from the last one's.
    const auto afterGap = bench.strokeFrom(kXsColour, 6);
    EXPECT_EQ(afterGap.y1, afterGap.y2);
    EXPECT_NEAR(afterGap.y2, kH * 17.25 / 300, 0.5);
    EXPECT_EQ(bench.strokeFrom(kXsColour, 7).y1, afterGap.y2);  // and joined again from there on
}

}  // namespace
}  // namespace ravemo::test
