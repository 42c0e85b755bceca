#include "ui/chart/ChartWidget.h"

#include <cmath>

#include <QBitmap>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

#include "ui/chart/FocusFrame.h"
#include "ui/chart/MarkerPlacement.h"
#include "ui/chart/PixelLine.h"

namespace ravemo {

namespace {

// The chart's crosshair: a thin cross in a 32 x 32 cell, hot spot at (15, 15).
constexpr int kCursorSizePx = 32;
constexpr int kCursorHotSpotPx = 15;

QCursor crosshairCursor() {
    QImage shape(kCursorSizePx, kCursorSizePx, QImage::Format_Mono);
    shape.fill(0);
    for (int k = 0; k < kCursorSizePx; ++k) {
        shape.setPixel(kCursorHotSpotPx, k, 1);
        shape.setPixel(k, kCursorHotSpotPx, 1);
    }
    const QBitmap bitmap = QBitmap::fromImage(shape);
    return QCursor(bitmap, bitmap, kCursorHotSpotPx, kCursorHotSpotPx);
}

}  // namespace

ChartWidget::ChartWidget(TwipsScale scale, QWidget* parent) : QWidget(parent), scale_(scale) {
    setFixedSize(scale_.toPixelsRounded(kChartWidthTwips),
                 scale_.toPixelsRounded(kChartHeightTwips));
    allocateBuffer(devicePixelRatioF());
    buffer_.fill(kBackgroundRgb);
    setCursor(crosshairCursor());
    setFocusPolicy(Qt::TabFocus);
    // The buffer covers every pixel: no background erase before a paint.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartWidget::allocateBuffer(qreal pixelRatio) {
    bufferRatio_ = pixelRatio > 0 ? pixelRatio : 1.0;
    const QSize pixels(static_cast<int>(std::ceil(width() * bufferRatio_)),
                       static_cast<int>(std::ceil(height() * bufferRatio_)));
    buffer_ = QImage(pixels, QImage::Format_RGB32);
    buffer_.setDevicePixelRatio(bufferRatio_);
    penThickness_ = std::max(1, static_cast<int>(std::lround(bufferRatio_)));
}

double ChartWidget::toDevicePixels(double twips) const {
    return scale_.toPixels(twips) * bufferRatio_;
}

QPoint ChartWidget::bufferPixelAt(double xTwips, double yTwips) const {
    return {static_cast<int>(std::floor(toDevicePixels(xTwips))),
            static_cast<int>(std::floor(toDevicePixels(yTwips)))};
}

void ChartWidget::requestRepaint() {
    if (repaintRequested_) return;
    repaintRequested_ = true;
    update();
}

void ChartWidget::wipe() {
    // A wipe is where the buffer follows the screen the window now sits on.
    if (devicePixelRatioF() != bufferRatio_) allocateBuffer(devicePixelRatioF());
    buffer_.fill(kBackgroundRgb);
    requestRepaint();
}

void ChartWidget::drawSegment(float x1, float y1, float x2, float y2, std::uint32_t colour) {
    const double px1 = toDevicePixels(x1);
    const double py1 = toDevicePixels(y1);
    const double px2 = toDevicePixels(x2);
    const double py2 = toDevicePixels(y2);
    if (!std::isfinite(px1) || !std::isfinite(py1) || !std::isfinite(px2) || !std::isfinite(py2)) {
        return;
    }
    DrawPixelLine(buffer_, px1, py1, px2, py2, RgbFromNumber(colour), penThickness_);
    requestRepaint();
}

void ChartWidget::setMarkerVisible(int marker, bool visible) {
    // Every tick sets it; repaint only for a change.
    if (line(marker).visible == visible && tag(marker).visible == visible) return;
    line(marker).visible = visible;
    tag(marker).visible = visible;
    update();
}

void ChartWidget::paintEvent(QPaintEvent* /*event*/) {
    repaintRequested_ = false;
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), buffer_);
    for (const ChartLine& l : lines_) {
        if (!l.visible) continue;
        painter.setPen(QPen(l.colour, 1, Qt::DotLine));
        painter.drawLine(QPointF(scale_.toPixels(l.x1), scale_.toPixels(l.y1)),
                         QPointF(scale_.toPixels(l.x2), scale_.toPixels(l.y2)));
    }
    for (const ChartTag& t : tags_) {
        if (!t.visible) continue;
        const QRectF box(scale_.toPixels(t.left), scale_.toPixels(t.top), scale_.toPixels(t.width),
                         scale_.toPixels(t.height));
        // Tags are opaque labels in the window's own background, as laid out.
        painter.fillRect(box, palette().color(QPalette::Button));
        painter.setPen(t.colour);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, t.text);
    }
    PaintFocusFrame(*this, painter);
}

void ChartWidget::mouseReleaseEvent(QMouseEvent* event) {
    int button = 0;
    switch (event->button()) {
        case Qt::LeftButton:
            button = kLeftButton;
            break;
        case Qt::RightButton:
            button = kRightButton;
            break;
        case Qt::MiddleButton:
            button = kMiddleButton;
            break;
        default:
            break;
    }
    Q_EMIT mouseReleased(button, scale_.toTwips(event->position().x()),
                         scale_.toTwips(event->position().y()));
}

}  // namespace ravemo
