// The Smith chart and the tuning history painted into images, and every painter at the edges.

#include <gtest/gtest.h>

#include <cmath>

#include <QPainter>

#include "PlotTestSupport.h"
#include "plot/HistoryStripPainter.h"
#include "plot/SmithChartPainter.h"
#include "plot/TuningChartPainter.h"

namespace ravemo {
namespace {

constexpr QRgb kLocus = 0xFF0000FF;
constexpr QRgb kResonance = 0xFF00A000;

class SmithAndHistoryPictureTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
    SmithAndHistoryPictureTest() {
        style.swrCurve = QColor::fromRgb(kLocus);
        style.historyResonance = QColor::fromRgb(kResonance);
    }
    PlotStyle style;
};

TEST_F(SmithAndHistoryPictureTest, TheLocusOfAFiftyOhmLoadIsAtTheCentre) {
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
    }
}

TEST_F(SmithAndHistoryPictureTest, TheCaptionSaysHowTheSignOfXIsKnown) {
    AntennaSamples set = test::SamplesOf(1e6, 2e6, 3, [](double) { return 50.0; });
    const QImage image = test::ImageAt(400, 400, 96.0);
    const SmithChartContent content{&set, nullptr, {}, {}, QLocale::c()};
    EXPECT_EQ(LayoutSmithChart(image.rect(), image, content, style).caption.text,
              "sign of X estimated");
    set.sign = ReactanceSign::Measured;
    EXPECT_EQ(LayoutSmithChart(image.rect(), image, content, style).caption.text,
              "sign of X measured");
}

TEST_F(SmithAndHistoryPictureTest, TheHistoryLeavesAGapWhereASweepHadNoResonance) {
    // A full strip: a resonance at 14.2 MHz except in the 60 sweeps in the middle.
    TuningHistory history;
    for (std::size_t i = 0; i < kHistoryLength + 30; ++i) {
        HistoryPoint point{14.2e6, 1.3};
        if (i >= 100 && i < 160) point.resonanceHz.reset();
        history.add(point);
        ASSERT_EQ(history.points().size(), std::min(i + 1, kHistoryLength));
    }
    QImage image = test::ImageAt(1000, 120, 96.0);
    {
        QPainter painter(&image);
        PaintHistoryStrip(painter, image.rect(), history.points(), QLocale::c(), style);
    }
    const auto columnHas = [&](int x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(x, y) == kResonance) return true;
        }
        return false;
    };
    // The strip's width is split into kHistoryLength - 1 steps between its margins.
    EXPECT_TRUE(columnHas(image.width() / 5));
    EXPECT_FALSE(columnHas(image.width() / 2));
    EXPECT_TRUE(columnHas(image.width() * 4 / 5));
}

TEST_F(SmithAndHistoryPictureTest, TheHistoryFollowsTheResonanceBeingTuned) {
    AntennaSamples set = test::SamplesOf(1e6, 30e6, 11, [](double) { return 50.0; });
    set.resonances = {{5e6, 70.0, ResonanceKind::Parallel},
                      {7e6, 60.0, ResonanceKind::Series},
                      {21e6, 90.0, ResonanceKind::Series}};
    AntennaAnalysis analysis;
    EXPECT_EQ(HistoryPointOf(set, analysis).resonanceHz, 7e6);  // the first series one
    analysis.dips.push_back({set.samples[7], {}, {}, {}});      // a dip at 21.3 MHz
    EXPECT_EQ(HistoryPointOf(set, analysis).resonanceHz, 21e6);
    analysis.trim = TrimAdvice{7.1e6, 7e6, -1.4};
    EXPECT_EQ(HistoryPointOf(set, analysis).resonanceHz, 7e6);
    set.resonances.clear();
    analysis.trim.reset();
    EXPECT_FALSE(HistoryPointOf(set, analysis).resonanceHz);
    EXPECT_EQ(HistoryPointOf(set, analysis).lowestSwr, 1.0);
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
