#include "ui/chart/FocusFrame.h"

#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QWidget>

namespace ravemo {
namespace {

// Wide enough to be seen over any curve, narrow enough to hide little of the chart.
constexpr int kFocusFramePx = 2;

}  // namespace

void PaintFocusFrame(const QWidget& widget, QPainter& painter) {
    if (!widget.hasFocus()) return;
    painter.save();
    QPen pen(widget.palette().color(QPalette::Highlight), kFocusFramePx);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const int inset = kFocusFramePx / 2;
    painter.drawRect(QRectF(widget.rect()).adjusted(inset, inset, -inset, -inset));
    painter.restore();
}

}  // namespace ravemo
