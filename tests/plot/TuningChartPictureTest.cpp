// The tuning chart painted into images: curves, bands and labels land where the layout maps
// them, at any resolution.

#include <gtest/gtest.h>

#include <cmath>

#include <QPainter>

#include "PlotTestSupport.h"
#include "plot/SmithChartLayout.h"
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
        // SWR 2.5 everywhere but a dip and a peak of one sample each, far narrower than a
        // pixel column.
        set = test::SamplesOf(13e6, 15.5e6, 6001, [](double) { return 50.0 * 2.5; });
        for (AntennaSample& s : set.samples) {
            if (std::fabs(s.hz - kDipHz) < 1.0) s.swr = 1.2;
            if (std::fabs(s.hz - kPeakHz) < 1.0) s.swr = 2.9;
        }
        content.live = &set;
        content.scale = SwrScaleChoice::UpTo3;
    }

    TuningLayout paint(QImage& image) const {
        const TuningLayout layout = LayoutTuningChart(image.rect(), image, content, style);
        QPainter painter(&image);
        PaintTuningChart(painter, layout, content, style);
        return layout;
    }

    static int Column(double x) { return static_cast<int>(std::floor(x)); }

    PlotStyle style;
    AntennaSamples set;
    TuningChartContent content;
};

TEST_F(TuningChartPictureTest, TheCurveKeepsPeaksNarrowerThanAPixelAndBandsShadeTheirRange) {
    QImage image = test::ImageAt(1200, 800, kScreenDpi);
    const TuningLayout l = paint(image);
    EXPECT_TRUE(
        test::ColumnHasColourNear(image, Column(l.xOfHz(kDipHz)), l.yOfSwr(1.2), kCurve, 1));
    EXPECT_TRUE(
        test::ColumnHasColourNear(image, Column(l.xOfHz(kPeakHz)), l.yOfSwr(2.9), kCurve, 1));
    EXPECT_TRUE(
        test::ColumnHasColourNear(image, Column(l.xOfHz(13.5e6)), l.yOfSwr(2.5), kCurve, 1));

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
}

TEST_F(TuningChartPictureTest, AZoomedCurveReachesTheEdgesBetweenSamples) {
    content.view = {14.199e6, 14.201e6};
    QImage image = test::ImageAt(1200, 800, kScreenDpi);
    const TuningLayout l = paint(image);
    EXPECT_TRUE(
        test::ColumnHasColourNear(image, Column(l.plot.left()) + 2, l.yOfSwr(2.5), kCurve, 1));
    EXPECT_TRUE(
        test::ColumnHasColourNear(image, Column(l.plot.right()) - 2, l.yOfSwr(2.5), kCurve, 1));
    EXPECT_TRUE(
        test::ColumnHasColourNear(image, Column(l.xOfHz(kDipHz)), l.yOfSwr(1.2), kCurve, 1));
}

TEST_F(TuningChartPictureTest, FrequencyLabelsReadInMHzWithTheDecimalsTheSpanNeeds) {
    const QImage image = test::ImageAt(1200, 800, kScreenDpi);
    const struct {
        double lowHz;
        double highHz;
        std::vector<QString> labels;
    } cases[] = {
        {14.0e6,
         14.001e6,
         {"14.0000", "14.0001", "14.0002", "14.0003", "14.0004", "14.0005", "14.0006", "14.0007",
          "14.0008", "14.0009", "14.0010"}},
        {0.0, 90e6, {"0", "10", "20", "30", "40", "50", "60", "70", "80", "90"}},
    };
    for (const auto& c : cases) {
        const AntennaSamples samples =
            test::SamplesOf(c.lowHz, c.highHz, 1001, [](double) { return 75.0; });
        content.live = &samples;
        content.view = {};
        const TuningLayout l = LayoutTuningChart(image.rect(), image, content, style);
        std::vector<QString> labels;
        for (const AxisTick& t : l.frequencyTicks) labels.push_back(t.label);
        EXPECT_EQ(labels, c.labels);
    }
    // Labels too wide for the usual spacing are thinned out rather than drawn over each other.
    const AntennaSamples narrow =
        test::SamplesOf(14.0e6, 14.001e6, 1001, [](double) { return 75.0; });
    content.live = &narrow;
    style.labelPt = 24.0;
    const TuningLayout large = LayoutTuningChart(image.rect(), image, content, style);
    ASSERT_GE(large.frequencyTicks.size(), 2U);
    for (std::size_t i = 1; i < large.frequencyTicks.size(); ++i) {
        EXPECT_LT(large.frequencyTicks[i - 1].labelRect.right(),
                  large.frequencyTicks[i].labelRect.left());
    }
}

TEST_F(TuningChartPictureTest, DipsAreMarkedAtTheirBottomWithTheirFrequency) {
    const SwrDip dip{set.samples[2880], {}, {}, {}};
    content.dips = std::span<const SwrDip>(&dip, 1);
    const QImage image = test::ImageAt(1200, 800, kScreenDpi);
    const TuningLayout l = LayoutTuningChart(image.rect(), image, content, style);
    ASSERT_EQ(l.dips.size(), 1U);
    EXPECT_EQ(l.dips[0].label, "14.200 MHz");
    EXPECT_NEAR(l.dips[0].point.x(), l.xOfHz(kDipHz), 1e-9);
    EXPECT_NEAR(l.dips[0].point.y(), l.yOfSwr(1.2), 1e-9);
    EXPECT_TRUE(l.plot.contains(l.dips[0].labelRect));
}

// A widget at 96 dpi and a page at 300 dpi of the same physical size look alike.
TEST_F(TuningChartPictureTest, LayoutsKeepTheirProportionsAtAnyResolution) {
    const QImage screen = test::ImageAt(1200, 800, kScreenDpi);
    const QImage print = test::ImageAt(3750, 2500, 300.0);
    content.rightAxis = RightAxisQuantity::Reactance;
    const TuningLayout a = LayoutTuningChart(screen.rect(), screen, content, style);
    const TuningLayout b = LayoutTuningChart(print.rect(), print, content, style);
    const auto proportions = [](const QRectF& r, const QRectF& in) {
        return std::array{r.left() / in.width(), r.top() / in.height(), r.width() / in.width(),
                          r.height() / in.height()};
    };
    const auto pa = proportions(a.plot, a.bounds);
    const auto pb = proportions(b.plot, b.bounds);
    for (std::size_t i = 0; i < pa.size(); ++i) EXPECT_NEAR(pa[i], pb[i], 0.01) << i;
    EXPECT_EQ(a.frequencyTicks.size(), b.frequencyTicks.size());
    EXPECT_EQ(a.swrTicks.size(), b.swrTicks.size());
    EXPECT_EQ(a.rightTicks.size(), b.rightTicks.size());

    const SmithChartContent smith{&set, nullptr, {}, {}, QLocale::c()};
    const SmithChartLayout sa = LayoutSmithChart(screen.rect(), screen, smith, style);
    const SmithChartLayout sb = LayoutSmithChart(print.rect(), print, smith, style);
    EXPECT_NEAR(sa.circle.radius / screen.width(), sb.circle.radius / print.width(), 0.005);
}

}  // namespace
}  // namespace ravemo
