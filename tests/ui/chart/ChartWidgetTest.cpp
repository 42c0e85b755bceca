#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>

#include "ui/chart/ChartWidget.h"
#include "ui/chart/MarkerPlacement.h"
#include "ui/chart/PixelLine.h"

namespace ravemo {
namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;

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
    QImage rendered() {
        QImage image(chart.size(), QImage::Format_RGB32);
        chart.render(&image);
        return image;
    }

    ChartWidget chart{TwipsScale(96.0)};
};

TEST_F(ChartWidgetTest, SegmentsSetPixelsInTheirColourNumberAndAWipeLeavesLinesAndTags) {
    EXPECT_EQ(chart.curveBuffer().pixel(0, 0), ChartWidget::kBackgroundRgb);
    chart.drawSegment(0.0F, 1500.0F, 8835.0F, 1500.0F, 256U * 255U);  // red + 256 green + ...
    const QPoint p = chart.bufferPixelAt(3000.0, 1500.0);
    EXPECT_EQ(chart.curveBuffer().pixel(p), qRgb(0, 255, 0));
    EXPECT_EQ(chart.curveBuffer().pixel(p.x(), p.y() + 3), ChartWidget::kBackgroundRgb);

    // A wipe clears the curves; lines and tags still paint.
    chart.line(3) = ChartLine{0, 1500, 8835, 1500, QColor(kBlue), true};
    chart.tag(1) = ChartTag{QStringLiteral("MK1"), 4500, 3000, 400, 225, QColor(kRed), true};
    chart.drawSegment(0.0F, 750.0F, 8835.0F, 750.0F, 0x0000FFU);
    chart.wipe();
    EXPECT_EQ(chart.curveBuffer().pixel(chart.bufferPixelAt(3000, 750)),
              ChartWidget::kBackgroundRgb);

    const QImage image = rendered();
    int blueOnGridRow = 0;
    for (int x = 0; x < image.width(); ++x) blueOnGridRow += image.pixel(x, 100) == kBlue ? 1 : 0;
    EXPECT_GT(blueOnGridRow, 100);                                  // dotted: many pixels ...
    EXPECT_LT(blueOnGridRow, image.width());                        // ... but not all
    EXPECT_NE(image.pixel(305, 205), ChartWidget::kBackgroundRgb);  // the tag's opaque box

    chart.setMarkerVisible(1, false);
    EXPECT_EQ(rendered().pixel(305, 205), ChartWidget::kBackgroundRgb);
}

// The left button moves MK1 with its tag left of the line, the right one MK2 (even hidden) with
// its tag right of it, kept in single precision even off the chart; other buttons move nothing.
TEST_F(ChartWidgetTest, EachButtonMovesItsOwnMarker) {
    const struct {
        int button;
        double x, line1, tag1, line2, tag2;
    } cases[] = {
        {kLeftButton, 1234.5678901, 1234.5678901F, 1234.5678901F - 400, 3960, 3990},
        {kRightButton, -500.25, 2160, 2205, -500.25, -500.25},
        {kMiddleButton, 4000, 2160, 2205, 3960, 3990},
    };
    for (const auto& c : cases) {
        chart.line(1) = ChartLine{2160, 0, 2160, 3795, Qt::red, true};
        chart.tag(1) = ChartTag{QStringLiteral("MK1"), 2205, 3545, 400, 225, Qt::red, true};
        chart.line(2) = ChartLine{3960, 0, 3960, 3795, Qt::blue, false};
        chart.tag(2) = ChartTag{QStringLiteral("MK2"), 3990, 3545, 400, 225, Qt::blue, false};
        PlaceMarker(chart, c.button, c.x);
        EXPECT_EQ(chart.line(1).x1, c.line1) << c.button;
        EXPECT_EQ(chart.tag(1).left, c.tag1) << c.button;
        EXPECT_EQ(chart.line(2).x2, c.line2) << c.button;
        EXPECT_EQ(chart.tag(2).left, c.tag2) << c.button;
        EXPECT_FALSE(chart.line(2).visible);
    }
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
    EXPECT_EQ(image.pixel(22, 40), 0xFFFFFFFFU);
    EXPECT_EQ(image.pixel(50, 11), 0xFFFFFFFFU);
}

}  // namespace
}  // namespace ravemo
