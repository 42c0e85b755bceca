// The distance-to-fault plot: the peak of an open 23.4 m line is marked where 23.4 m lies on
// the metre axis, and a measurement without a velocity factor paints no curve.

#include <gtest/gtest.h>

#include <algorithm>

#include <QPainter>

#include "PlotTestSupport.h"
#include "analysis/CableMeasurement.h"
#include "common/LineTransform.h"
#include "plot/DistanceToFaultPainter.h"

namespace ravemo::distance_picture_test {

constexpr int kWidth = 800;
constexpr int kHeight = 400;

CableMeasurement OpenLine(std::optional<double> velocityFactor) {
    const Feedline line{*FeedlineTypeNamed(QStringLiteral("rg58")), 23.4};
    const AntennaSamples set = test::SamplesOf(
        1e6, 30e6, 1001, [&](double hz) { return ImpedanceThroughLine(1e12, line, hz); });
    return MeasureCable(set.samples, {CableEnd::Open, std::nullopt, velocityFactor, 1});
}

QImage Painted(const CableMeasurement& m) {
    test::EnsureGuiApplication();
    QImage image = test::ImageAt(kWidth, kHeight, 96);
    QPainter painter(&image);
    PaintDistanceToFault(painter, QRectF(0, 0, kWidth, kHeight), m, QLocale::c(), PlotStyle{});
    return image;
}

// The columns holding a pixel of `colour`, first and last; -1 without any.
std::pair<int, int> ColumnsOf(const QImage& image, QRgb colour, int row) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        const bool found = row >= 0 ? image.pixel(x, row) == colour : [&] {
            for (int y = 0; y < image.height(); ++y) {
                if (image.pixel(x, y) == colour) return true;
            }
            return false;
        }();
        if (!found) continue;
        if (first < 0) first = x;
        last = x;
    }
    return {first, last};
}

TEST(DistanceToFaultPicture, TheEndIsMarkedAtItsDistance) {
    const CableMeasurement m = OpenLine(0.66);
    ASSERT_TRUE(m.distance && m.endPeak);
    const QImage image = Painted(m);
    const PlotStyle style;
    // The plot's frame in the middle row: its left and right edges.
    const auto [left, right] = ColumnsOf(image, style.frame.rgb(), kHeight / 2);
    ASSERT_GT(right - left, kWidth / 2);
    // The marker's centre, among the dip-coloured pixels left of its label.
    const auto [markFirst, markLast] = ColumnsOf(image, style.dip.rgb(), -1);
    ASSERT_GE(markFirst, 0);
    // The axis starts at 0 m on the left and spans 50 m, the least it shows: 1.5 times the
    // 23.4 m to the end is less.
    const double expectedX = left + (right - left) * 23.4 / 50.0;
    EXPECT_NEAR(markFirst, expectedX, 6.0);
    // Sizes run upwards: the open end, a strong reflection, is marked in the upper half; at
    // 10 m the line reflects almost nothing and its curve runs in the lower half.
    const auto lowestRowOf = [&image](QRgb colour, int fromColumn, int toColumn) {
        int lowest = -1;
        for (int x = fromColumn; x <= toColumn; ++x) {
            for (int y = 0; y < image.height(); ++y) {
                if (image.pixel(x, y) == colour) lowest = std::max(lowest, y);
            }
        }
        return lowest;
    };
    EXPECT_LT(lowestRowOf(style.dip.rgb(), markFirst, markLast), kHeight / 2);
    const int at10m = static_cast<int>(left + (right - left) * 10.0 / 50.0);
    EXPECT_GT(lowestRowOf(style.swrCurve.rgb(), at10m, at10m), kHeight / 2);
}

TEST(DistanceToFaultPicture, NoVelocityFactorPaintsNoCurve) {
    const QImage image = Painted(OpenLine(std::nullopt));
    const PlotStyle style;
    EXPECT_EQ(ColumnsOf(image, style.swrCurve.rgb(), -1).first, -1);
    EXPECT_EQ(ColumnsOf(image, style.dip.rgb(), -1).first, -1);
}

}  // namespace ravemo::distance_picture_test
