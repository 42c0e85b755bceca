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

}  // namespace ravemo
