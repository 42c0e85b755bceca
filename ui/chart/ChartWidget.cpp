#include "ui/chart/ChartWidget.h"

#include <cmath>

#include <QMouseEvent>
#include <QPainter>

namespace ravemo {

QColor colourFromNumber(std::uint32_t number) {
    return QColor(static_cast<int>(number & 0xFFU), static_cast<int>((number >> 8) & 0xFFU),
                  static_cast<int>((number >> 16) & 0xFFU));
}

std::uint32_t numberFromColour(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) |
           (static_cast<std::uint32_t>(colour.green()) << 8) |
           (static_cast<std::uint32_t>(colour.blue()) << 16);
}

ChartWidget::ChartWidget(TwipsScale scale, QWidget* parent) : QWidget(parent), scale_(scale) {
    setFixedSize(scale_.toPixelsRounded(kDesignWidthTwips),
                 scale_.toPixelsRounded(kDesignHeightTwips));
    buffer_ = QImage(size(), QImage::Format_RGB32);
    buffer_.fill(QColor(0xE0, 0xE0, 0xE0));
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::TabFocus);
}

void ChartWidget::wipe() {
    buffer_.fill(QColor(0xE0, 0xE0, 0xE0));
    update();
}

void ChartWidget::drawSegment(float x1, float y1, float x2, float y2, std::uint32_t colour) {
    QPainter painter(&buffer_);
    painter.setPen(colourFromNumber(colour));
    painter.drawLine(QPointF(scale_.toPixels(x1), scale_.toPixels(y1)),
                     QPointF(scale_.toPixels(x2), scale_.toPixels(y2)));
    update();
}

void ChartWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(0, 0, buffer_);
    for (const ChartLine& l : lines_) {
        if (!l.visible) continue;
        painter.setPen(QPen(l.colour, 1, Qt::DotLine));
        painter.drawLine(QPointF(scale_.toPixels(l.x1), scale_.toPixels(l.y1)),
                         QPointF(scale_.toPixels(l.x2), scale_.toPixels(l.y2)));
    }
    for (const ChartTag& t : tags_) {
        if (!t.visible) continue;
        painter.setPen(t.colour);
        painter.drawText(QRectF(scale_.toPixels(t.left), scale_.toPixels(t.top),
                                scale_.toPixels(t.width), scale_.toPixels(t.height)),
                         Qt::AlignLeft | Qt::AlignTop, t.text);
    }
}

void ChartWidget::mouseReleaseEvent(QMouseEvent* event) {
    int button = 0;
    switch (event->button()) {
        case Qt::LeftButton: button = 1; break;
        case Qt::RightButton: button = 2; break;
        case Qt::MiddleButton: button = 4; break;
        default: break;
    }
    Q_EMIT mouseReleased(button, scale_.toTwips(event->position().x()),
                         scale_.toTwips(event->position().y()));
}

}  // namespace ravemo
