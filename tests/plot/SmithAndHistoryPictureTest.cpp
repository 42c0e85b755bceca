// The Smith chart painted into an image, the tuning history's rules, and every painter at the
// edges.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include <limits>

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
}

// 22 sweeps a second, as the simulator runs: a trim made 20 minutes ago is still in sight, the
// history never holds more than one point per 3 s, and nothing older than 30 minutes.
TEST_F(SmithAndHistoryPictureTest, TheHistoryKeepsThirtyMinutesAtAnySweepRate) {
    using namespace std::chrono_literals;
    HistoryClock::time_point now{1h};
    TuningHistory history([&now] { return now; });
    const HistoryClock::time_point start = now;
    const auto sweepFor = [&](std::chrono::seconds length, double hz) {
        for (const HistoryClock::time_point end = now + length; now < end; now += 45ms) {
            history.add({hz, 1.3});
            ASSERT_LE(history.points().size(), 601U);
        }
    };
    sweepFor(3s, 7.20e6);  // before the trim
    sweepFor(20min, 7.10e6);
    ASSERT_EQ(history.points().front().resonanceHz, 7.20e6);
    EXPECT_EQ(history.points().front().at, start + 2970ms);  // the slot's latest sweep
    EXPECT_EQ(history.points().size(), 401U);
    sweepFor(10min, 7.10e6);
    EXPECT_EQ(history.points().front().resonanceHz, 7.10e6);
    EXPECT_GE(history.points().front().at, now - 45ms - 30min);
    EXPECT_EQ(history.points().size(), 601U);
    history.clear();
    EXPECT_TRUE(history.points().empty());
}

// The strip places sweeps by time: ten minutes of sweeps every 30 s fill the strip from edge to
// edge; without those of minutes 3 to 7 the strip's middle stays empty (no line across).
TEST_F(SmithAndHistoryPictureTest, TheHistoryStripPlacesSweepsByTime) {
    using namespace std::chrono_literals;
    style.historyResonance = QColor::fromRgb(0xFF00C000);
    std::vector<HistoryPoint> points;
    for (int k = 0; k <= 20; ++k) {
        HistoryPoint p{7.0e6 + 1e3 * k, 1.2};
        p.at = HistoryClock::time_point(1h + k * 30s);
        points.push_back(p);
    }
    const auto strip = [this](const std::vector<HistoryPoint>& shown) {
        QImage image = test::ImageAt(600, 120, 96.0);
        {
            QPainter painter(&image);
            PaintHistoryStrip(painter, image.rect(), shown, QLocale::c(), style);
        }
        return image;
    };
    // The top row of column x that is green, or green blended into white; -1 for none.
    const auto greenRow = [](const QImage& image, int x) {
        for (int y = 0; y < image.height(); ++y) {
            const QColor c = image.pixelColor(x, y);
            if (c.green() - std::max(c.red(), c.blue()) > 60) return y;
        }
        return -1;
    };
    // Time runs to the right and frequency up: the first sweep (7.000 MHz, the scale's bottom)
    // lies low near the left edge, the latest (7.020 MHz, its top) high near the right edge.
    const QImage full = strip(points);
    EXPECT_GE(greenRow(full, 300), 0);
    EXPECT_GT(greenRow(full, 120), full.height() / 2);
    EXPECT_GE(greenRow(full, 480), 0);
    EXPECT_LT(greenRow(full, 480), full.height() / 2);
    std::vector<HistoryPoint> gap;
    for (const HistoryPoint& p : points) {
        if (p.at < HistoryClock::time_point(1h + 3min) ||
            p.at > HistoryClock::time_point(1h + 7min)) {
            gap.push_back(p);
        }
    }
    EXPECT_EQ(greenRow(strip(gap), 300), -1);

    // Total reflection in the middle sweep: no SWR line along the top edge, an arrow over it.
    style.historySwr = QColor::fromRgb(0xFFC00000);
    for (HistoryPoint& p : points) p.resonanceHz.reset();
    points[10].lowestSwr = std::numeric_limits<double>::infinity();
    const QImage image = strip(points);
    // Around the middle (the neighbours lie 30 s, about 28 pixels, away): red only in the top
    // rows of the plot (it starts under the 15-pixel header), none further down.
    int arrowPixels = 0;
    int lowerPixels = 0;
    for (int x = 280; x <= 315; ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() - std::max(c.green(), c.blue()) <= 60) continue;
            (y < 30 ? arrowPixels : lowerPixels) += 1;
        }
    }
    EXPECT_GE(arrowPixels, 6);
    EXPECT_EQ(lowerPixels, 0);
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
