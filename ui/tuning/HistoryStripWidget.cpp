#include "ui/tuning/HistoryStripWidget.h"

#include <QPainter>

#include "plot/HistoryStripPainter.h"
#include "ui/chart/FocusFrame.h"

namespace ravemo {
namespace {
constexpr int kStripMinimumHeightPx = 60;
constexpr int kPreferredWidthPx = 600;
constexpr int kPreferredHeightPx = 90;
}  // namespace

HistoryStripWidget::HistoryStripWidget(const QLocale& locale, QWidget* parent)
    : QWidget(parent), locale_(locale) {
    setObjectName(QStringLiteral("HistoryStrip"));
    setMinimumHeight(kStripMinimumHeightPx);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    // Tab reaches it, so a screen reader reads its text equivalent.
    setFocusPolicy(Qt::TabFocus);
    setToolTip(tr("The tuned frequency and the lowest SWR of the last %1 minutes, the latest "
                  "sweep at the right. It starts afresh when the sweep limits change.")
                   .arg(kHistorySpan.count()));
}

void HistoryStripWidget::setPoints(std::span<const HistoryPoint> points) {
    points_.assign(points.begin(), points.end());
    update();
}

QSize HistoryStripWidget::sizeHint() const { return {kPreferredWidthPx, kPreferredHeightPx}; }

void HistoryStripWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintHistoryStrip(painter, rect(), points_, locale_, style_);
    PaintFocusFrame(*this, painter);
}

}  // namespace ravemo
