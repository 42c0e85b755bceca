// The tuning chart painted into images: curves, bands and labels land where the layout maps them.

#include <gtest/gtest.h>

#include <cmath>

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

}  // namespace
}  // namespace ravemo
