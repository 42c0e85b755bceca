#include "plot/TuningChartPainter.h"

#include <cmath>
#include <vector>

#include <QPainter>
#include <QPainterPath>

#include "plot/CurveDecimation.h"

namespace ravemo {
namespace {

// The curve of one value of the samples in view, in pixels, reaching the plot's edges.
template <typename YOf>
QPolygonF CurveInView(const TuningLayout& l, const std::vector<AntennaSample>& samples, YOf yOf) {
    const std::span<const AntennaSample> span = SamplesInView(samples, l.view, 1);
    QPolygonF points;
    points.reserve(static_cast<qsizetype>(span.size()));
    for (const AntennaSample& s : span) points << QPointF(l.xOfHz(s.hz), yOf(s));
    return DecimateByColumn(TrimToColumns(points, l.plot.left(), l.plot.right()));
}

// The curve of the samples in view in pieces, broken where a sample has no value (NaN: an X
// whose sign is unknown), so no line bridges the gap.
template <typename ValueOf>
std::vector<QPolygonF> PiecesInView(const TuningLayout& l,
                                    const std::vector<AntennaSample>& samples, ValueOf valueOf) {
    std::vector<QPolygonF> pieces(1);
    for (const AntennaSample& s : SamplesInView(samples, l.view, 1)) {
        const double value = valueOf(s);
        if (std::isnan(value)) {
            if (!pieces.back().isEmpty()) pieces.emplace_back();
            continue;
        }
        pieces.back() << QPointF(l.xOfHz(s.hz), l.yOfRight(value));
    }
    for (QPolygonF& piece : pieces) {
        piece = DecimateByColumn(TrimToColumns(piece, l.plot.left(), l.plot.right()));
    }
    return pieces;
}

void PaintAxes(QPainter& p, const TuningLayout& l, const PlotStyle& s) {
    const double ppp = l.pixelsPerPoint;
    const double tick = s.tickLengthPt * ppp;
    // Each kind of line in one call: the engine sets up a pen once per call.
    std::vector<QLineF> grid;
    std::vector<QLineF> ticks;
    for (const AxisTick& t : l.frequencyTicks) {
        grid.emplace_back(t.pixel, l.plot.top(), t.pixel, l.plot.bottom());
        ticks.emplace_back(t.pixel, l.plot.bottom(), t.pixel, l.plot.bottom() + tick);
    }
    for (const AxisTick& t : l.swrTicks) {
        grid.emplace_back(l.plot.left(), t.pixel, l.plot.right(), t.pixel);
        ticks.emplace_back(l.plot.left() - tick, t.pixel, l.plot.left(), t.pixel);
    }
    for (const AxisTick& t : l.rightTicks) {
        ticks.emplace_back(l.plot.right(), t.pixel, l.plot.right() + tick, t.pixel);
    }
    p.setPen(PenOf(s.grid, s.gridWidthPt, ppp));
    p.drawLines(grid.data(), static_cast<int>(grid.size()));
    p.setPen(PenOf(s.frame, s.frameWidthPt, ppp));
    p.setBrush(Qt::NoBrush);
    p.drawRect(l.plot);
    p.drawLines(ticks.data(), static_cast<int>(ticks.size()));

    p.setFont(l.labelFont);
    p.setPen(s.text);
    for (const AxisTick& t : l.frequencyTicks) p.drawText(t.labelRect, Qt::AlignCenter, t.label);
    for (const AxisTick& t : l.swrTicks) {
        p.drawText(t.labelRect, Qt::AlignRight | Qt::AlignVCenter, t.label);
    }
    for (const AxisTick& t : l.rightTicks) {
        p.drawText(t.labelRect, Qt::AlignLeft | Qt::AlignVCenter, t.label);
    }
    p.drawText(l.frequencyTitleRect, Qt::AlignCenter, l.frequencyTitle);
    p.setPen(s.swrCurve);
    p.drawText(l.swrTitleRect, Qt::AlignLeft | Qt::AlignVCenter, l.swrTitle);
    p.setPen(s.rightCurve);
    p.drawText(l.rightTitleRect, Qt::AlignRight | Qt::AlignVCenter, l.rightTitle);
    p.setPen(s.reference);
    p.drawText(l.referenceLegendRect, Qt::AlignLeft | Qt::AlignVCenter, l.referenceLegend);
}

void PaintGuides(QPainter& p, const TuningLayout& l, const PlotStyle& s) {
    const double ppp = l.pixelsPerPoint;
    const struct {
        double swr;
        QColor colour;
    } levels[] = {{kSwrOneAndHalf, s.swrOneAndHalfLine}, {kSwrTwoToOne, s.swrTwoLine}};
    for (const auto& level : levels) {
        if (!(level.swr < l.swrScale.top)) continue;
        const double y = l.yOfSwr(level.swr);
        p.setPen(PenOf(level.colour, s.guideWidthPt, ppp, Qt::DashLine));
        p.drawLine(QPointF(l.plot.left(), y), QPointF(l.plot.right(), y));
    }
    // Where X changes sign is where the right-axis curve crosses this line.
    if (l.rightAxis == RightAxisQuantity::Reactance && l.rightRange.low < 0.0 &&
        l.rightRange.high > 0.0) {
        const double y = l.yOfRight(0.0);
        p.setPen(PenOf(s.rightCurve, s.gridWidthPt, ppp, Qt::DotLine));
        p.drawLine(QPointF(l.plot.left(), y), QPointF(l.plot.right(), y));
    }
}

void PaintDips(QPainter& p, const TuningLayout& l, const PlotStyle& s) {
    const double marker = s.markerPt * l.pixelsPerPoint;
    p.setPen(Qt::NoPen);
    p.setBrush(s.dip);
    for (const DipMark& d : l.dips) {
        const QPointF tip = d.point;
        const double height = kDipMarkerHeightFactor * marker;
        const QPointF corners[] = {tip, tip + QPointF(-marker, -height),
                                   tip + QPointF(marker, -height)};
        p.drawPolygon(corners, 3);
    }
    p.setFont(l.labelFont);
    p.setPen(s.dip);
    for (const DipMark& d : l.dips) {
        if (d.labelRect.isEmpty()) continue;
        p.fillRect(d.labelRect, s.labelBackground);
        p.drawText(d.labelRect, Qt::AlignCenter, d.label);
    }
}

// An arrow pointing up from the top edge over each stretch of SWRs above the scale.
void PaintAboveScaleArrows(QPainter& p, const TuningLayout& l, const PlotStyle& s) {
    const double half = s.markerPt * l.pixelsPerPoint;
    const double height = kAboveScaleArrowHeightFactor * half;
    p.setPen(Qt::NoPen);
    p.setBrush(s.swrCurve);
    for (const double x : l.aboveScaleX) {
        const QPointF corners[] = {QPointF(x, l.plot.top()),
                                   QPointF(x - half, l.plot.top() + height),
                                   QPointF(x + half, l.plot.top() + height)};
        p.drawPolygon(corners, 3);
    }
}

}  // namespace

void PaintTuningChart(QPainter& painter, const TuningLayout& l, const TuningChartContent& content,
                      const PlotStyle& s) {
    QPainter& p = painter;
    p.save();
    const double ppp = l.pixelsPerPoint;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(l.bounds, s.background);
    if (s.plotBackground != s.background) p.fillRect(l.plot, s.plotBackground);
    for (const BandMark& band : l.bands) p.fillRect(band.shade, s.bandFill);
    p.setFont(l.smallFont);
    p.setPen(s.bandText);
    for (const BandMark& band : l.bands) {
        if (!band.nameRect.isEmpty()) p.drawText(band.nameRect, Qt::AlignCenter, band.name);
    }
    PaintAxes(p, l, s);
    PaintGuides(p, l, s);

    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    // SWRs above the scale leave the plot through its top edge: the curves are clipped there.
    const auto swrY = [&l](const AntennaSample& x) { return l.yOfSwrBeyondTop(x.swr); };
    p.setClipRect(l.plot.adjusted(0.0, -1.0, 0.0, 1.0));
    if (content.reference != nullptr) {
        p.setPen(PenOf(s.reference, s.referenceWidthPt, ppp));
        StrokeCurve(p, CurveInView(l, content.reference->samples, swrY));
    }
    if (content.live != nullptr) {
        if (l.rightAxis != RightAxisQuantity::None) {
            const auto value = [&l](const AntennaSample& x) {
                return RightAxisValue(x, l.rightAxis);
            };
            p.setPen(PenOf(s.rightCurve, s.rightCurveWidthPt, ppp));
            for (const QPolygonF& piece : PiecesInView(l, content.live->samples, value)) {
                StrokeCurve(p, piece);
            }
        }
        p.setPen(PenOf(s.swrCurve, s.curveWidthPt, ppp));
        StrokeCurve(p, CurveInView(l, content.live->samples, swrY));
    }
    p.setClipping(false);
    PaintAboveScaleArrows(p, l, s);
    PaintDips(p, l, s);

    if (content.crosshairHz && *content.crosshairHz >= l.view.lowHz &&
        *content.crosshairHz <= l.view.highHz) {
        const double x = l.xOfHz(*content.crosshairHz);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(PenOf(s.crosshair, s.guideWidthPt, ppp, Qt::DashLine));
        p.drawLine(QPointF(x, l.plot.top()), QPointF(x, l.plot.bottom()));
    }
    p.restore();
}

}  // namespace ravemo
