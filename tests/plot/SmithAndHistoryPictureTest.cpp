// The Smith chart painted into an image, the tuning history's rules, and every painter at the
// edges.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include <QPainter>

#include "PlotTestSupport.h"
#include "plot/HistoryStripPainter.h"
#include "plot/SmithChartPainter.h"
#include "plot/TuningChartPainter.h"

namespace ravemo {
namespace {

constexpr QRgb kLocus = 0xFF0000FF;

class SmithAndHistoryPictureTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
    SmithAndHistoryPictureTest() { style.swrCurve = QColor::fromRgb(kLocus); }
    PlotStyle style;
};

TEST_F(SmithAndHistoryPictureTest, TheLocusLiesWhereTheLoadIsAndTheCaptionSaysHowTheSignIsKnown) {
    // 50 ohms with a trace of reactance, and a pure +j50 whose locus lies on the upper rim.
    const struct {
        std::complex<double> z;
        QPointF gamma;
    } cases[] = {{{50.0, 0.01}, {0.0, 0.0}}, {{0.01, 50.0}, {0.0, 1.0}}};
    for (const auto& c : cases) {
        const AntennaSamples load = test::SamplesOf(1e6, 30e6, 501, [&](double) { return c.z; });
        const SmithChartContent content{&load, nullptr, {}, {}, QLocale::c()};
        QImage image = test::ImageAt(600, 600, 96.0);
        const SmithChartLayout l = LayoutSmithChart(image.rect(), image, content, style);
        {
            QPainter painter(&image);
            PaintSmithChart(painter, l, content, style);
        }
        const QPointF at = l.circle.pointOfReflection({c.gamma.x(), c.gamma.y()});
        EXPECT_TRUE(test::ColumnHasColourNear(image, static_cast<int>(at.x()), at.y(), kLocus, 1))
            << c.z.real() << " + j" << c.z.imag();
        EXPECT_EQ(l.caption.text, "sign of X estimated");
    }
    AntennaSamples measured = test::SamplesOf(1e6, 2e6, 3, [](double) { return 50.0; });
    measured.sign = ReactanceSign::Measured;
    const SmithChartContent content{&measured, nullptr, {}, {}, QLocale::c()};
    const QImage image = test::ImageAt(400, 400, 96.0);
    EXPECT_EQ(LayoutSmithChart(image.rect(), image, content, style).caption.text,
              "sign of X measured");
}

TEST_F(SmithAndHistoryPictureTest, TheHistoryFollowsTheDipBeingTuned) {
    // Eleven samples from 1 to 30 MHz, all SWR 1: with no dip the bottom is the middle, 15.5 MHz.
    const AntennaSamples flat = test::SamplesOf(1e6, 30e6, 11, [](double) { return 50.0; });
    const struct {
        std::optional<std::size_t> dipAt;  // the deepest dip's bottom sample
        std::optional<TrimBasis> trim;     // advice based on 7 MHz
        bool lowAtEdge;                    // the sweep's lowest SWR at its end
        double hz;
        TunedFrequency kind;
    } cases[] = {
        {std::nullopt, std::nullopt, false, 15.5e6, TunedFrequency::LowestSwr},
        {2, std::nullopt, false, 6.8e6, TunedFrequency::Dip},
        {7, TrimBasis::Dip, false, 7e6, TunedFrequency::Dip},
        {7, TrimBasis::UpperEdge, false, 7e6, TunedFrequency::SweepEdge},
        {7, TrimBasis::NoSwrDip, false, 21.3e6, TunedFrequency::Dip},
        {std::nullopt, std::nullopt, true, 30e6, TunedFrequency::SweepEdge},
    };
    for (const auto& c : cases) {
        AntennaAnalysis analysis;
        if (c.dipAt) {
            // The deepest dip first, then a shallower one at 1 MHz that must not count.
            analysis.dips.push_back({flat.samples[*c.dipAt], {}, {}, {}});
            analysis.dips.push_back({flat.samples[0], {}, {}, {}});
        }
        if (c.trim) analysis.trim = TrimAdvice{7.1e6, *c.trim, 7e6, 1.2, -1.4};
        if (c.lowAtEdge) analysis.lowestAtEdge = SwrAtEdge{SweepEdge::Upper, flat.samples.back()};
        const HistoryPoint point = HistoryPointOf(flat, analysis);
        EXPECT_DOUBLE_EQ(point.resonanceHz.value_or(0.0), c.hz) << c.hz;
        EXPECT_EQ(point.kind, c.kind) << c.hz;
    }
    EXPECT_FALSE(HistoryPointOf(AntennaSamples{}, AntennaAnalysis{}).resonanceHz);

    // The history keeps its last kHistoryLength sweeps only.
    TuningHistory history;
    for (std::size_t i = 0; i < kHistoryLength + 30; ++i) {
        history.add({14.2e6, 1.3});
        ASSERT_EQ(history.points().size(), std::min(i + 1, kHistoryLength));
    }
}

// Nothing to show, a single sample, a target of a few pixels: every painter still paints.
TEST_F(SmithAndHistoryPictureTest, EveryPainterCopesWithLittleDataAndTinyTargets) {
    const AntennaSamples one = test::SamplesOf(7e6, 7e6, 1, [](double) { return 50.0; });
    const HistoryPoint lonely{7e6, 1.0};
    for (const AntennaSamples* live : {static_cast<const AntennaSamples*>(nullptr), &one}) {
        for (const QSize size : {QSize(3, 2), QSize(300, 200)}) {
            QImage image = test::ImageAt(size.width(), size.height(), 96.0);
            QPainter painter(&image);
            TuningChartContent chart;
            chart.live = live;
            chart.rightAxis = RightAxisQuantity::Reactance;
            const TuningLayout l = LayoutTuningChart(image.rect(), image, chart, style);
            PaintTuningChart(painter, l, chart, style);
            EXPECT_GT(l.view.spanHz(), 0.0);
            const SmithChartContent smith{live, nullptr, {}, 7e6, QLocale::c()};
            PaintSmithChart(painter, LayoutSmithChart(image.rect(), image, smith, style), smith,
                            style);
            PaintHistoryStrip(painter, image.rect(), std::span(&lonely, 1), QLocale::c(), style);
        }
    }
}

}  // namespace
}  // namespace ravemo
