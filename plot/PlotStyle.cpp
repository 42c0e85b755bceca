#include "plot/PlotStyle.h"

#include <QPaintDevice>

namespace ravemo {
namespace {

constexpr double kPointsPerInch = 72.0;

}  // namespace

QFont PlotStyle::font(double points) const {
    QFont f;
    if (!fontFamily.isEmpty()) f.setFamily(fontFamily);
    f.setPointSizeF(points);
    return f;
}

double PixelsPerPoint(const QPaintDevice& device) { return device.logicalDpiY() / kPointsPerInch; }

PlotFrame FrameOf(const QRectF& target, const QPaintDevice& device, const PlotStyle& style) {
    return {target, PixelsPerPoint(device), style.font(style.labelPt),
            style.font(style.smallLabelPt)};
}

QPen PenOf(const QColor& colour, double widthPt, double pixelsPerPoint, Qt::PenStyle line) {
    QPen pen(colour, widthPt * pixelsPerPoint, line);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::BevelJoin);
    return pen;
}

}  // namespace ravemo
