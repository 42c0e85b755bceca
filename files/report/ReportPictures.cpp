#include "files/report/ReportPictures.h"

#include <algorithm>
#include <cmath>

#include <QPainter>

#include "plot/SmithChartPainter.h"
#include "plot/TuningChartPainter.h"

namespace ravemo {
namespace {

constexpr double kMetresPerInch = 0.0254;

}  // namespace

void PaintSceneChart(QPainter& painter, const QRectF& target, const TuningScene& scene,
                     const PlotStyle& style) {
    const TuningLayout layout = LayoutTuningChart(target, *painter.device(), scene.chart, style);
    PaintTuningChart(painter, layout, scene.chart, style);
}

void PaintSceneSmith(QPainter& painter, const QRectF& target, const TuningScene& scene,
                     const PlotStyle& style) {
    const SmithChartLayout layout = LayoutSmithChart(target, *painter.device(), scene.smith, style);
    PaintSmithChart(painter, layout, scene.smith, style);
}

QImage BlankPicture(const QSize& size, double dpi, const PlotStyle& style) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / kMetresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(style.background);
    return image;
}

QImage ScenePicture(const TuningScene& scene, const QSize& size, double dpi,
                    const PlotStyle& style) {
    QImage image = BlankPicture(size, dpi, style);
    const double side = std::min<double>(size.height(), size.width() / 2.0);
    const QRectF smith(size.width() - side, (size.height() - side) / 2.0, side, side);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintSceneChart(painter, QRectF(0.0, 0.0, size.width() - side, size.height()), scene, style);
    PaintSceneSmith(painter, smith, scene, style);
    return image;
}

}  // namespace ravemo
