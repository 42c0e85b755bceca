#include "plot/DistanceToFaultPainter.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "plot/CableTexts.h"
#include "plot/FrequencyLabels.h"
#include "plot/NiceTicks.h"

namespace ravemo {
namespace {

constexpr double kShortestShownM = 50.0;
constexpr double kShownBeyondFarthest = 1.5;
constexpr int kDistanceIntervals = 8;
constexpr int kSizeIntervals = 4;
constexpr int kSizeDecimals = 2;
constexpr double kMetreLabelsWholeFrom = 100.0;

}  // namespace

double ShownDistanceM(const CableMeasurement& m) {
    if (!m.distance) return kShortestShownM;
    double farthest = m.lengthM.value_or(0.0);
    for (const FaultPeak& p : m.distance->peaks) farthest = std::max(farthest, p.distanceM);
    return std::min(m.distance->rangeM, std::max(kShortestShownM, kShownBeyondFarthest * farthest));
}

void PaintDistanceToFault(QPainter& painter, const QRectF& target, const CableMeasurement& m,
                          const QLocale& locale, const PlotStyle& style) {
    painter.save();
    const PlotFrame frame = FrameOf(target, *painter.device(), style);
    const double pt = frame.pixelsPerPoint;
    painter.fillRect(target, style.background);
    painter.setFont(frame.labelFont);
    const QFontMetricsF metrics(frame.labelFont);
    const double pad = style.paddingPt * pt;
    const QRectF plot =
        target.adjusted(metrics.horizontalAdvance(QStringLiteral("0.00")) + 2 * pad,
                        metrics.height() + 2 * pad, -pad, -(metrics.height() + 2 * pad));
    painter.setPen(style.text);
    painter.drawText(
        QRectF(target.left() + pad, target.top() + pad, target.width() - 2 * pad, metrics.height()),
        Qt::AlignLeft | Qt::AlignVCenter, ResolutionText(m, locale));
    painter.fillRect(plot, style.plotBackground);
    if (!m.distance || plot.width() <= 0.0 || plot.height() <= 0.0) {
        painter.setPen(PenOf(style.frame, style.frameWidthPt, pt));
        painter.drawRect(plot);
        painter.restore();
        return;
    }
    const DistanceResponse& d = *m.distance;
    const double shownM = ShownDistanceM(m);
    auto x = [&](double metres) { return plot.left() + plot.width() * metres / shownM; };
    auto y = [&](double size) {
        return plot.bottom() - plot.height() * std::clamp(size, 0.0, 1.0);
    };

    const LinearTicks metresTicks = NiceLinearTicks(0.0, shownM, kDistanceIntervals);
    const LinearTicks sizeTicks = NiceLinearTicks(0.0, 1.0, kSizeIntervals);
    painter.setFont(frame.smallFont);
    for (const double metres : metresTicks.values) {
        painter.setPen(PenOf(style.grid, style.gridWidthPt, pt));
        painter.drawLine(QPointF(x(metres), plot.top()), QPointF(x(metres), plot.bottom()));
        painter.setPen(style.text);
        const int decimals = metresTicks.step >= 1.0 ? 0 : DecimalsForStep(metresTicks.step);
        painter.drawText(
            QRectF(x(metres) - 4 * metrics.height(), plot.bottom() + pad, 8 * metrics.height(),
                   metrics.height()),
            Qt::AlignHCenter | Qt::AlignTop,
            FixedText(metres, decimals, locale) +
                (metres == metresTicks.values.back() ? QStringLiteral(" m") : QString()));
    }
    for (const double size : sizeTicks.values) {
        painter.setPen(PenOf(style.grid, style.gridWidthPt, pt));
        painter.drawLine(QPointF(plot.left(), y(size)), QPointF(plot.right(), y(size)));
        painter.setPen(style.text);
        painter.drawText(QRectF(target.left(), y(size) - metrics.height() / 2,
                                plot.left() - target.left() - pad, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter,
                         FixedText(size, DecimalsForStep(sizeTicks.step), locale));
    }

    QPainterPath curve;
    for (std::size_t i = 0; i < d.distancesM.size() && d.distancesM[i] <= shownM; ++i) {
        const QPointF point(x(d.distancesM[i]), y(d.sizes[i]));
        if (i == 0) {
            curve.moveTo(point);
        } else {
            curve.lineTo(point);
        }
    }
    painter.setClipRect(plot);
    painter.setPen(PenOf(style.swrCurve, style.curveWidthPt, pt));
    painter.drawPath(curve);
    painter.setFont(frame.smallFont);
    for (const FaultPeak& p : d.peaks) {
        if (p.distanceM > shownM) continue;
        const QPointF at(x(p.distanceM), y(std::fabs(p.reflection)));
        painter.setPen(PenOf(style.dip, style.guideWidthPt, pt));
        painter.setBrush(style.dip);
        const double r = style.markerPt * pt / 2;
        painter.drawEllipse(at, r, r);
        const QString sizeText = FixedText(p.reflection, kSizeDecimals, locale);
        const QString label =
            FixedText(p.distanceM, p.distanceM < kMetreLabelsWholeFrom ? 1 : 0, locale) +
            QStringLiteral(" m ") + (p.reflection > 0.0 ? locale.positiveSign() : QString()) +
            sizeText;
        const QSizeF box(metrics.horizontalAdvance(label) + pad, metrics.height());
        const QRectF labelRect(QPointF(at.x() + r, std::max(plot.top(), at.y() - box.height() - r)),
                               box);
        painter.fillRect(labelRect, style.labelBackground);
        painter.setPen(style.dip);
        painter.drawText(labelRect, Qt::AlignCenter, label);
    }
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(PenOf(style.frame, style.frameWidthPt, pt));
    painter.drawRect(plot);
    painter.restore();
}

}  // namespace ravemo
