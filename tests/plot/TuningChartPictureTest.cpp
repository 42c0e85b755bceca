// The tuning chart painted into images: curves, bands and labels land where the layout maps them.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <QPainter>

#include "PlotTestSupport.h"
#include "plot/TuningChartPainter.h"

namespace ravemo {
namespace {

constexpr QRgb kCurve = 0xFF0000FF;
constexpr QRgb kBand = 0xFFC8FFC8;
constexpr QRgb kPlot = 0xFFFFFFFF;
constexpr double kScreenDpi = 96.0;
constexpr double kDipHz = 14.2e6;
constexpr double kPeakHz = 13.7e6;

class TuningChartPictureTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }

    TuningChartPictureTest() {
        style.swrCurve = QColor::fromRgb(kCurve);
        style.bandFill = QColor::fromRgb(kBand);
        style.plotBackground = QColor::fromRgb(kPlot);
        // SWR 2.5 everywhere but a dip and a peak of one sample each, narrower than a pixel.
        set = test::SamplesOf(13e6, 15.5e6, 6001, [](double) { return 50.0 * 2.5; });
        for (AntennaSample& s : set.samples) {
            if (std::fabs(s.hz - kDipHz) < 1.0) s.swr = 1.2;
            if (std::fabs(s.hz - kPeakHz) < 1.0) s.swr = 2.9;
        }
        content.live = &set;
        content.scale = SwrScaleChoice::UpTo3;
    }

    TuningLayout paint(QImage& image) const {
        TuningLayout layout = LayoutTuningChart(image.rect(), image, content, style);
        QPainter painter(&image);
        PaintTuningChart(painter, layout, content, style);
        return layout;
    }

    static int Column(double x) { return static_cast<int>(std::floor(x)); }
    static bool CurveNear(const QImage& image, double x, double y) {
        return test::ColumnHasColourNear(image, Column(x), y, kCurve, 1);
    }

    PlotStyle style;
    AntennaSamples set;
    TuningChartContent content;
};

TEST_F(TuningChartPictureTest,
       TheCurveKeepsPeaksNarrowerThanAPixelBandsShadeTheirRangeDipsAreMarked) {
    QImage image = test::ImageAt(1200, 800, kScreenDpi);
    const TuningLayout l = paint(image);
    EXPECT_TRUE(CurveNear(image, l.xOfHz(kDipHz), l.yOfSwr(1.2)));
    EXPECT_TRUE(CurveNear(image, l.xOfHz(kPeakHz), l.yOfSwr(2.9)));
    EXPECT_TRUE(CurveNear(image, l.xOfHz(13.5e6), l.yOfSwr(2.5)));

    // The 20 m band (14.0 to 14.35 MHz) between two grid lines, away from the curve.
    const int y = static_cast<int>((l.swrTicks[0].pixel + l.swrTicks[1].pixel) / 2.0);
    const struct {
        double hz;
        QRgb colour;
    } probes[] = {{13.95e6, kPlot}, {14.02e6, kBand}, {14.33e6, kBand}, {14.37e6, kPlot}};
    for (const auto& probe : probes) {
        SCOPED_TRACE(probe.hz);
        EXPECT_EQ(image.pixel(Column(l.xOfHz(probe.hz)), y), probe.colour);
    }
    ASSERT_FALSE(l.bands.empty());
    EXPECT_EQ(l.bands.front().name, "20m");
    EXPECT_EQ(l.frequencyTicks.at(1).label, "13.2");  // as many decimals as the step needs

    // Zoomed in between two samples, the curve still reaches both edges.
    content.view = {14.199e6, 14.201e6};
    QImage zoomed = test::ImageAt(1200, 800, kScreenDpi);
    const TuningLayout z = paint(zoomed);
    EXPECT_TRUE(CurveNear(zoomed, z.plot.left() + 2, z.yOfSwr(2.5)));
    EXPECT_TRUE(CurveNear(zoomed, z.plot.right() - 2, z.yOfSwr(2.5)));
    EXPECT_TRUE(CurveNear(zoomed, z.xOfHz(kDipHz), z.yOfSwr(1.2)));

    // A dip is marked at its bottom with its frequency.
    content.view = {};
    const SwrDip dip{set.samples[2880], {}, {}, {}};
    content.dips = std::span<const SwrDip>(&dip, 1);
    const TuningLayout marked = LayoutTuningChart(image.rect(), image, content, style);
    ASSERT_EQ(marked.dips.size(), 1U);
    EXPECT_EQ(marked.dips[0].label, "14.200 MHz");
    EXPECT_NEAR(marked.dips[0].point.x(), l.xOfHz(kDipHz), 1e-9);
    EXPECT_NEAR(marked.dips[0].point.y(), l.yOfSwr(1.2), 1e-9);
    EXPECT_TRUE(marked.plot.contains(marked.dips[0].labelRect));
}

// SWR 5 (and one infinite reading) from 13.0 to 13.5 MHz on the scale up to 3: the curve leaves
// the plot through its top edge and an arrow over the stretch's middle says so; no line runs
// along the top as if the SWR were 3 there.
TEST_F(TuningChartPictureTest, SwrsAboveTheScaleAreDrawnClippedWithAnArrow) {
    for (AntennaSample& s : set.samples) {
        if (s.hz <= 13.5e6) s.swr = 5.0;
    }
    set.samples[600].swr = std::numeric_limits<double>::infinity();
    QImage image = test::ImageAt(1200, 800, kScreenDpi);
    const TuningLayout l = paint(image);
    // The sweep spans 13 to 15.5 MHz: 13.1, 13.25 and 13.4 MHz lie at 4, 10 and 16 % of the plot.
    const auto columnAt = [&l](double fraction) {
        return Column(l.plot.left() + fraction * l.plot.width());
    };
    const auto curveInTopRows = [&](int column, int rows) {
        for (int y = static_cast<int>(l.plot.top()) - 1; y <= l.plot.top() + rows; ++y) {
            if (image.pixel(column, y) == kCurve) return true;
        }
        return false;
    };
    const double arrowRows = kAboveScaleArrowHeightFactor * style.markerPt * kScreenDpi / 72.0;
    EXPECT_FALSE(curveInTopRows(columnAt(0.04), static_cast<int>(arrowRows) + 2));
    EXPECT_FALSE(curveInTopRows(columnAt(0.16), static_cast<int>(arrowRows) + 2));
    EXPECT_TRUE(curveInTopRows(columnAt(0.10), static_cast<int>(arrowRows)));
    EXPECT_TRUE(CurveNear(image, l.plot.left() + 0.4 * l.plot.width(), l.yOfSwr(2.5)));
}

// Dip labels never cover each other, a marker or a band's name, at any depth of the dips: two
// dips 70 kHz apart, and five dips crowded into 20 m on a small chart.
TEST_F(TuningChartPictureTest, DipLabelsNeverOverlapEachOtherOrABandName) {
    const auto checkLabels = [](const TuningLayout& l) {
        for (std::size_t i = 0; i < l.dips.size(); ++i) {
            const QRectF& a = l.dips[i].labelRect;
            if (a.isEmpty()) continue;
            EXPECT_TRUE(l.plot.contains(a));
            for (std::size_t j = 0; j < l.dips.size(); ++j) {
                if (j != i) {
                    EXPECT_FALSE(a.intersects(l.dips[j].labelRect)) << i << " " << j;
                }
            }
            for (const BandMark& b : l.bands)
                EXPECT_FALSE(a.intersects(b.nameRect)) << b.name.toStdString();
        }
    };
    std::vector<SwrDip> dips(2);
    for (double swr = 1.0; swr < 3.0; swr += 0.02) {
        SCOPED_TRACE(swr);
        dips[0].bottom.hz = 13.20e6;
        dips[1].bottom.hz = 13.27e6;
        dips[0].bottom.swr = dips[1].bottom.swr = swr;
        content.dips = dips;
        QImage image = test::ImageAt(1200, 800, kScreenDpi);
        const TuningLayout l = LayoutTuningChart(image.rect(), image, content, style);
        ASSERT_EQ(l.dips.size(), 2U);
        EXPECT_FALSE(l.dips[0].labelRect.isEmpty());
        EXPECT_FALSE(l.dips[1].labelRect.isEmpty());
        checkLabels(l);
    }
    std::vector<SwrDip> crowd(5);
    for (std::size_t i = 0; i < crowd.size(); ++i) {
        crowd[i].bottom.hz = 14.0e6 + 0.05e6 * static_cast<double>(i);
        crowd[i].bottom.swr = 1.0 + 0.4 * static_cast<double>(i);
    }
    content.dips = crowd;
    QImage small = test::ImageAt(500, 160, kScreenDpi);
    checkLabels(LayoutTuningChart(small.rect(), small, content, style));
}

}  // namespace
}  // namespace ravemo
