#include "plot/HistoryStripPainter.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <iterator>
#include <optional>

#include <QFontMetricsF>
#include <QPainter>

#include "plot/FrequencyLabels.h"
#include "plot/NiceTicks.h"
#include "plot/TuningTables.h"
#include "plot/ValueRange.h"
#include "plot/Verdicts.h"

namespace ravemo {
namespace {

// The scales never magnify less than this: one converter step must not fill the strip.
constexpr double kSmallestResonanceSpanHz = 10'000.0;
constexpr double kSmallestSwrSpan = 0.5;
constexpr int kScaleIntervals = 2;
constexpr int kFewestResonanceDecimals = 3;
constexpr int kMostResonanceDecimals = 6;
// The time axis spans the shortest of these that holds the history, in minutes.
constexpr int kAxisMinutes[] = {1, 2, 5, 10, 15, 30};
constexpr int kTimeIntervals = 2;
// Sweeps further apart than this (Hold, a hidden window) are not joined by a line.
constexpr std::chrono::seconds kLongestJoinedGap{60};

using Minutes = std::chrono::duration<double, std::chrono::minutes::period>;

// The axis span in minutes: the shortest listed one that holds the points.
int AxisMinutes(std::span<const HistoryPoint> points) {
    const Minutes held = points.empty() ? Minutes(0) : points.back().at - points.front().at;
    for (const int minutes : kAxisMinutes) {
        if (held.count() <= minutes) return minutes;
    }
    return kAxisMinutes[std::size(kAxisMinutes) - 1];
}

using Value = std::optional<double> HistoryPoint::*;

// The range of one series' finite values, or none without any.
std::optional<ValueRange> RangeOf(std::span<const HistoryPoint> points, Value member,
                                  double smallestSpan, double floor) {
    std::optional<double> low;
    std::optional<double> high;
    for (const HistoryPoint& p : points) {
        const std::optional<double>& v = p.*member;
        if (!v || !std::isfinite(*v)) continue;
        low = low ? std::min(*low, *v) : *v;
        high = high ? std::max(*high, *v) : *v;
    }
    if (!low) return std::nullopt;
    return RoundRangeAround(*low, *high, smallestSpan, floor, kScaleIntervals);
}

// One series as runs of points without gaps, in pixels, placed by their time (the latest at
// the right edge). The range holds every finite value; an infinite one (total reflection) is
// above any scale: it breaks the line and an arrow at the top edge points up over it.
void PaintSeries(QPainter& p, const QRectF& plot, std::span<const HistoryPoint> points,
                 Value member, const ValueRange& range, int axisMinutes, double dotRadius) {
    const HistoryClock::time_point latest = points.back().at;
    QPolygonF run;
    const auto flush = [&]() {
        if (run.size() == 1) {
            p.drawEllipse(run.front(), dotRadius, dotRadius);
        } else {
            p.drawPolyline(run);
        }
        run.clear();
    };
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::optional<double>& v = points[i].*member;
        const bool drawn = v && std::isfinite(*v);
        const bool longAfterPrevious = i > 0 && points[i].at - points[i - 1].at > kLongestJoinedGap;
        if (!run.isEmpty() && (!drawn || longAfterPrevious)) flush();
        const double minutesAgo = Minutes(latest - points[i].at).count();
        const double x = plot.right() - minutesAgo / axisMinutes * plot.width();
        if (v && std::isinf(*v) && *v > 0.0) {
            const QPointF arrow[] = {{x, plot.top()},
                                     {x - 2.0 * dotRadius, plot.top() + 3.0 * dotRadius},
                                     {x + 2.0 * dotRadius, plot.top() + 3.0 * dotRadius}};
            p.drawPolygon(arrow, 3);
        }
        if (!drawn) continue;
        const double fraction = std::clamp((*v - range.low) / (range.high - range.low), 0.0, 1.0);
        run << QPointF(x, plot.bottom() - fraction * plot.height());
    }
    if (!run.isEmpty()) flush();
}

}  // namespace

void PaintHistoryStrip(QPainter& painter, const QRectF& target,
                       std::span<const HistoryPoint> points, const QLocale& locale,
                       const PlotStyle& style) {
    QPainter& p = painter;
    p.save();
    const double ppp = PixelsPerPoint(*p.device());
    const QFont labelFont = style.font(style.labelPt);
    const QFont smallFont = style.font(style.smallLabelPt);
    const QFontMetricsF metrics(labelFont, p.device());
    const QFontMetricsF small(smallFont, p.device());
    const double pad = style.paddingPt * ppp;

    const std::optional<ValueRange> hzRange =
        RangeOf(points, &HistoryPoint::resonanceHz, kSmallestResonanceSpanHz, 0.0);
    const std::optional<ValueRange> swrRange =
        RangeOf(points, &HistoryPoint::lowestSwr, kSmallestSwrSpan, 1.0);
    const int scaleDecimals =
        hzRange ? MHzDecimalsForStep((hzRange->high - hzRange->low) / kScaleIntervals) : 0;
    const int latestDecimals =
        std::clamp(scaleDecimals + 1, kFewestResonanceDecimals, kMostResonanceDecimals);

    const QString hzTop = hzRange ? MHzText(hzRange->high, scaleDecimals, locale) : QString();
    const QString hzBottom = hzRange ? MHzText(hzRange->low, scaleDecimals, locale) : QString();
    const QString swrTop = swrRange ? FixedText(swrRange->high, 1, locale) : QString();
    const QString swrBottom = swrRange ? FixedText(swrRange->low, 1, locale) : QString();
    const double leftWidth =
        std::max(small.horizontalAdvance(hzTop), small.horizontalAdvance(hzBottom));
    const double rightWidth =
        std::max(small.horizontalAdvance(swrTop), small.horizontalAdvance(swrBottom));
    const double header = metrics.height() + pad / 2.0;
    const double timeRow = small.height();
    const QRectF plot(QPointF(target.left() + pad + leftWidth + pad / 2.0, target.top() + header),
                      QPointF(target.right() - pad - rightWidth - pad / 2.0,
                              target.bottom() - pad / 2.0 - timeRow));

    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(target, style.background);
    if (style.plotBackground != style.background) p.fillRect(plot, style.plotBackground);
    p.setPen(QPen(style.frame, style.frameWidthPt * ppp));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);

    const std::optional<HistoryPoint> latest =
        points.empty() ? std::nullopt : std::optional<HistoryPoint>(points.back());
    QString resonanceText = QStringLiteral("Dip: none");
    if (latest && latest->resonanceHz) {
        const QString mhz = MHzText(*latest->resonanceHz, latestDecimals, locale);
        switch (latest->kind) {
            case TunedFrequency::Dip:
                resonanceText = QStringLiteral("Dip %1 MHz").arg(mhz);
                break;
            case TunedFrequency::SweepEdge:
                resonanceText = QStringLiteral("No dip: lowest SWR at the edge, %1 MHz").arg(mhz);
                break;
            case TunedFrequency::LowestSwr:
                resonanceText = QStringLiteral("No dip: lowest SWR at %1 MHz").arg(mhz);
                break;
        }
    }
    const QString swrText =
        latest && latest->lowestSwr && std::isfinite(*latest->lowestSwr)
            ? QStringLiteral("Lowest SWR %1").arg(SwrText(*latest->lowestSwr, locale))
            : QStringLiteral("Lowest SWR: none");
    const QRectF headerRect(plot.left(), target.top(), plot.width(), header);
    p.setFont(labelFont);
    p.setPen(style.historyResonance);
    p.drawText(headerRect, Qt::AlignLeft | Qt::AlignVCenter, resonanceText);
    p.setPen(style.historySwr);
    p.drawText(headerRect, Qt::AlignRight | Qt::AlignVCenter, swrText);

    p.setFont(smallFont);
    const double lineHeight = small.height();
    const QRectF leftTop(target.left() + pad, plot.top(), leftWidth, lineHeight);
    const QRectF leftBottom(target.left() + pad, plot.bottom() - lineHeight, leftWidth, lineHeight);
    const QRectF rightTop(plot.right() + pad / 2.0, plot.top(), rightWidth, lineHeight);
    const QRectF rightBottom(plot.right() + pad / 2.0, plot.bottom() - lineHeight, rightWidth,
                             lineHeight);
    p.setPen(style.historyResonance);
    p.drawText(leftTop, Qt::AlignRight | Qt::AlignTop, hzTop);
    p.drawText(leftBottom, Qt::AlignRight | Qt::AlignBottom, hzBottom);
    p.setPen(style.historySwr);
    p.drawText(rightTop, Qt::AlignLeft | Qt::AlignTop, swrTop);
    p.drawText(rightBottom, Qt::AlignLeft | Qt::AlignBottom, swrBottom);

    // The time axis: minutes before the latest sweep, at the right edge.
    const int axisMinutes = AxisMinutes(points);
    p.setPen(style.text);
    for (int k = 0; k <= kTimeIntervals; ++k) {
        const double minutesAgo = static_cast<double>(axisMinutes) * (kTimeIntervals - k) /
                                  static_cast<double>(kTimeIntervals);
        const double x = plot.left() + plot.width() * k / static_cast<double>(kTimeIntervals);
        const QString text =
            k == kTimeIntervals
                ? QStringLiteral("latest")
                : QStringLiteral("\u2212%1 min").arg(locale.toString(minutesAgo, 'g', 3));
        const Qt::Alignment along = k == 0                ? Qt::AlignLeft
                                    : k == kTimeIntervals ? Qt::AlignRight
                                                          : Qt::AlignHCenter;
        const double width = small.horizontalAdvance(text);
        const double left = along == Qt::AlignLeft    ? x
                            : along == Qt::AlignRight ? x - width
                                                      : x - width / 2.0;
        p.drawText(QRectF(left, plot.bottom(), width, timeRow), along | Qt::AlignTop, text);
    }

    p.setRenderHint(QPainter::Antialiasing, true);
    const double dot = style.curveWidthPt * ppp;
    if (swrRange) {
        p.setPen(QPen(style.historySwr, style.curveWidthPt * ppp));
        p.setBrush(style.historySwr);
        PaintSeries(p, plot, points, &HistoryPoint::lowestSwr, *swrRange, axisMinutes, dot);
    }
    if (hzRange) {
        p.setPen(QPen(style.historyResonance, style.curveWidthPt * ppp));
        p.setBrush(style.historyResonance);
        PaintSeries(p, plot, points, &HistoryPoint::resonanceHz, *hzRange, axisMinutes, dot);
    }
    p.restore();
}

}  // namespace ravemo
