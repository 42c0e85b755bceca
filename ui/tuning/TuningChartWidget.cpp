#include "ui/tuning/TuningChartWidget.h"

#include <cmath>

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "plot/TuningChartPainter.h"
#include "ui/chart/FocusFrame.h"

namespace ravemo {
namespace {

constexpr int kChartMinimumWidthPx = 320;
constexpr int kChartMinimumHeightPx = 140;
constexpr double kWheelUnitsPerNotch = 120.0;  // QWheelEvent's eighths of a degree

}  // namespace

TuningChartWidget::TuningChartWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TuningChart"));
    setMouseTracking(true);
    setMinimumSize(kChartMinimumWidthPx, kChartMinimumHeightPx);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setCursor(Qt::CrossCursor);
    // Tab reaches it, so a screen reader reads its text equivalent.
    setFocusPolicy(Qt::TabFocus);
    relayout();
}

void TuningChartWidget::setContent(const TuningChartContent& content) {
    content_ = content;
    relayout();
}

void TuningChartWidget::relayout() {
    layout_ = LayoutTuningChart(rect(), *this, content_, style_);
    update();
}

ViewLimits TuningChartWidget::limits() const {
    static const std::vector<AntennaSample> kNoSamples;
    return ViewLimitsOf(content_.live ? content_.live->samples : kNoSamples);
}

void TuningChartWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintTuningChart(painter, layout_, content_, style_);
    PaintFocusFrame(*this, painter);
}

void TuningChartWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void TuningChartWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (dragStartX_) {
        const double hzPerPixel = dragStartView_.spanHz() / layout_.plot.width();
        Q_EMIT viewChanged(PanView(dragStartView_, limits(), (*dragStartX_ - at.x()) * hzPerPixel));
        return;
    }
    if (layout_.plot.contains(at)) {
        Q_EMIT crosshairMoved(layout_.hzOfX(at.x()));
    } else {
        Q_EMIT crosshairLeft();
    }
}

void TuningChartWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !layout_.plot.contains(event->position())) return;
    dragStartX_ = event->position().x();
    dragStartView_ = layout_.view;
    setCursor(Qt::ClosedHandCursor);
}

void TuningChartWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragStartX_.reset();
    setCursor(Qt::CrossCursor);
}

void TuningChartWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Q_EMIT viewReset();
}

void TuningChartWidget::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / kWheelUnitsPerNotch;
    if (notches == 0.0) return;
    const double aboutHz = layout_.hzOfX(event->position().x());
    Q_EMIT viewChanged(ZoomView(layout_.view, limits(), std::pow(kZoomPerNotch, notches), aboutHz));
    event->accept();
}

void TuningChartWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (!dragStartX_) Q_EMIT crosshairLeft();
}

}  // namespace ravemo
