#include "ui/tuning/SmithChartWidget.h"

#include <QPainter>

#include "plot/SmithChartPainter.h"
#include "ui/chart/FocusFrame.h"

namespace ravemo {
namespace {
constexpr int kMinimumSidePx = 180;
}  // namespace

SmithChartWidget::SmithChartWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SmithChart"));
    setMinimumSize(kMinimumSidePx, kMinimumSidePx);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Tab reaches it, so a screen reader reads its text equivalent.
    setFocusPolicy(Qt::TabFocus);
    relayout();
}

void SmithChartWidget::setContent(const SmithChartContent& content) {
    content_ = content;
    relayout();
}

void SmithChartWidget::relayout() {
    layout_ = LayoutSmithChart(rect(), *this, content_, style_);
    update();
}

void SmithChartWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintSmithChart(painter, layout_, content_, style_);
    PaintFocusFrame(*this, painter);
}

void SmithChartWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

}  // namespace ravemo
