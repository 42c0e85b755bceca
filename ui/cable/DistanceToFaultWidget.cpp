#include "ui/cable/DistanceToFaultWidget.h"

#include <QPainter>

#include "plot/DistanceToFaultPainter.h"

namespace ravemo {
namespace {
constexpr int kSmallestWidth = 360;
constexpr int kSmallestHeight = 180;
}  // namespace

DistanceToFaultWidget::DistanceToFaultWidget(const QLocale& locale, QWidget* parent)
    : QWidget(parent), locale_(locale) {
    setMinimumSize(kSmallestWidth, kSmallestHeight);
}

void DistanceToFaultWidget::setMeasurement(const CableMeasurement& measurement) {
    measurement_ = measurement;
    update();
}

void DistanceToFaultWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintDistanceToFault(painter, rect(), measurement_, locale_, PlotStyle{});
}

}  // namespace ravemo
