#include <memory>

#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QPixmap>

#include "ui/chart/ChartWidget.h"
#include "ui/chart/MarkerPlacement.h"
#include "ui/chart/PixelLine.h"

namespace ravemo {
namespace {

class ChartWidgetTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (QCoreApplication::instance() != nullptr) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "ravemo_tests_chart";
        static char* argv[] = {name, nullptr};
        static QApplication app(argc, argv);
    }

    // The widget as painted, at one device pixel per logical pixel.
    static QImage rendered(ChartWidget& chart) {
        QImage image(chart.size(), QImage::Format_RGB32);
        chart.render(&image);
        return image;
    }

    ChartWidget chart{TwipsScale(96.0)};
};

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr std::uint32_t kGreenNumber = 256U * 255U;  // red + 256 green + 65536 blue

TEST_F(ChartWidgetTest, HasTheDesignSizeInPixelsAndStartsBlank) {
    EXPECT_EQ(chart.width(), 589);
    EXPECT_EQ(chart.height(), 253);
    const QImage& buffer = chart.curveBuffer();
    EXPECT_EQ(buffer.pixel(0, 0), ChartWidget::kBackgroundRgb);
    EXPECT_EQ(buffer.pixel(buffer.width() - 1, buffer.height() - 1), ChartWidget::kBackgroundRgb);
}

TEST_F(ChartWidgetTest, SegmentSetsPixelsInItsColourNumber) {
    chart.drawSegment(0.0F, 1500.0F, 8835.0F, 1500.0F, kGreenNumber);
    const QPoint p = chart.bufferPixelAt(3000.0, 1500.0);
    EXPECT_EQ(chart.curveBuffer().pixel(p), qRgb(0, 255, 0));
    EXPECT_EQ(chart.curveBuffer().pixel(p.x(), p.y() + 3), ChartWidget::kBackgroundRgb);
    chart.drawSegment(15.0F * 10, 15.0F * 20, 15.0F * 10, 15.0F * 20, 0x0000FFU);
    EXPECT_EQ(chart.curveBuffer().pixel(chart.bufferPixelAt(150, 300)), kRed);
}

TEST_F(ChartWidgetTest, WipeClearsTheCurvesButLinesAndTagsStillPaint) {
    chart.line(3) = ChartLine{0, 1500, 8835, 1500, QColor(kBlue), true};
    chart.tag(1) = ChartTag{QStringLiteral("MK1"), 4500, 3000, 400, 225, QColor(kRed), true};
    chart.drawSegment(0.0F, 750.0F, 8835.0F, 750.0F, 0x0000FFU);
    chart.wipe();
    EXPECT_EQ(chart.curveBuffer().pixel(chart.bufferPixelAt(3000, 750)),
              ChartWidget::kBackgroundRgb);

    const QImage image = rendered(chart);
    int blueOnGridRow = 0;
    for (int x = 0; x < image.width(); ++x) blueOnGridRow += image.pixel(x, 100) == kBlue ? 1 : 0;
    EXPECT_GT(blueOnGridRow, 100);            // dotted: many pixels ...
    EXPECT_LT(blueOnGridRow, image.width());  // ... but not all
    EXPECT_EQ(image.pixel(100, 50), ChartWidget::kBackgroundRgb);
    // The tag is an opaque box: no chart background inside it.
    EXPECT_NE(image.pixel(305, 205), ChartWidget::kBackgroundRgb);

    chart.setMarkerVisible(1, false);
    chart.line(3).visible = false;
    const QImage hidden = rendered(chart);
    EXPECT_EQ(hidden.pixel(305, 205), ChartWidget::kBackgroundRgb);
    EXPECT_EQ(hidden.pixel(101, 100), ChartWidget::kBackgroundRgb);
}

TEST_F(ChartWidgetTest, PlacingAMarkerMovesTheChartsOwnLineAndTag) {
    chart.tag(1).width = 400;
    PlaceMarker(chart, kLeftButton, 4000.0);
    EXPECT_EQ(chart.line(1).x1, 4000.0);
    EXPECT_EQ(chart.tag(1).left, 3600.0);
    PlaceMarker(chart, kRightButton, 5000.0);
    EXPECT_EQ(chart.line(2).x2, 5000.0);
    EXPECT_EQ(chart.tag(2).left, 5000.0);
}

TEST(PixelLine, ClipsFarOffSegmentsAndDrawsWhatCrossesTheImage) {
    QImage image(100, 50, QImage::Format_RGB32);
    image.fill(Qt::white);
    DrawPixelLine(image, -1e7, -1e7, -1e7 + 1, 1e7, kRed);  // wholly off: nothing, no hang
    DrawPixelLine(image, -66667.0, 10.5, 66667.0, 10.5, kRed);
    DrawPixelLine(image, 20.5, -5e5, 20.5, 5e5, kBlue, 3);
    int red = 0;
    for (int x = 0; x < 100; ++x) red += image.pixel(x, 10) == kRed ? 1 : 0;
    EXPECT_EQ(red, 97);  // all but the three covered by the wide blue line
    EXPECT_EQ(image.pixel(19, 40), kBlue);
    EXPECT_EQ(image.pixel(21, 0), kBlue);
    EXPECT_EQ(image.pixel(22, 40), 0xFFFFFFFFU);
    EXPECT_EQ(image.pixel(50, 11), 0xFFFFFFFFU);
}

}  // namespace
}  // namespace ravemo
