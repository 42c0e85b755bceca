#include "plot/SmithChartPainter.h"

#include <cmath>

#include <QPainter>

#include "plot/CurveDecimation.h"

namespace ravemo {
namespace {

// Locus points closer than this (in pixels, along x plus along y) to the last one are skipped.
constexpr double kLocusStepPixels = 0.5;

// The locus in pieces: a sample whose sign of X is unknown has no place on the chart (either
// half could be right), so it breaks the locus instead of drawing a jump between the halves.
std::vector<QPolygonF> Locus(const SmithCircle& circle, const std::vector<AntennaSample>& samples) {
    std::vector<QPolygonF> pieces(1);
    for (const AntennaSample& s : samples) {
        if (s.xsSign == ReactanceSign::Unknown) {
            if (!pieces.back().isEmpty()) pieces.emplace_back();
            continue;
        }
        QPolygonF& points = pieces.back();
        const QPointF p = circle.pointOfImpedance({s.rs, s.xs});
        if (!points.isEmpty() && (p - points.back()).manhattanLength() < kLocusStepPixels &&
            &s != &samples.back()) {
            continue;
        }
        points << p;
    }
    return pieces;
}

// A locus that stays on one spot (a resistor's, a held sweep's) shows as a dot, where a
// polyline of zero length would show nothing.
void DrawPiece(QPainter& p, const QPolygonF& locus, const QPen& pen) {
    if (locus.isEmpty()) return;
    const QRectF extent = locus.boundingRect();
    if (extent.width() < kLocusStepPixels && extent.height() < kLocusStepPixels) {
        p.setPen(Qt::NoPen);
        p.setBrush(pen.color());
        p.drawEllipse(extent.center(), pen.widthF(), pen.widthF());
        p.setBrush(Qt::NoBrush);
        return;
    }
    p.setPen(pen);
    StrokeCurve(p, locus);
}

void DrawLocus(QPainter& p, const std::vector<QPolygonF>& pieces, const QPen& pen) {
    for (const QPolygonF& piece : pieces) DrawPiece(p, piece, pen);
}

void PaintGrid(QPainter& p, const SmithChartLayout& l, const PlotStyle& s) {
    const double ppp = l.pixelsPerPoint;
    p.setBrush(Qt::NoBrush);
    p.setPen(PenOf(s.smithGrid, s.gridWidthPt, ppp));
    for (const QRectF& r : l.resistanceCircles) p.drawEllipse(r);
    p.drawPath(l.reactanceArcs);
    p.setPen(PenOf(s.frame, s.frameWidthPt, ppp));
    const double r = l.circle.radius;
    p.drawEllipse(l.circle.centre, r, r);
    p.setPen(PenOf(s.swrTwoLine, s.guideWidthPt, ppp, Qt::DashLine));
    p.drawEllipse(l.swrTwoCircle);

    p.setFont(l.smallFont);
    p.setPen(s.text);
    for (const PlacedText& t : l.gridLabels) p.drawText(t.rect, Qt::AlignCenter, t.text);
    p.setPen(s.swrTwoLine);
    p.drawText(l.swrTwoLabel.rect, Qt::AlignCenter, l.swrTwoLabel.text);
}

}  // namespace

void PaintSmithChart(QPainter& painter, const SmithChartLayout& l, const SmithChartContent& content,
                     const PlotStyle& s) {
    QPainter& p = painter;
    p.save();
    const double ppp = l.pixelsPerPoint;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(l.bounds, s.background);
    if (s.plotBackground != s.background) {
        p.setPen(Qt::NoPen);
        p.setBrush(s.plotBackground);
        p.drawEllipse(l.circle.centre, l.circle.radius, l.circle.radius);
    }
    PaintGrid(p, l, s);

    p.setBrush(Qt::NoBrush);
    if (content.reference != nullptr) {
        DrawLocus(p, Locus(l.circle, content.reference->samples),
                  PenOf(s.reference, s.referenceWidthPt, ppp));
    }
    if (content.live != nullptr) {
        DrawLocus(p, Locus(l.circle, content.live->samples),
                  PenOf(s.swrCurve, s.curveWidthPt, ppp));
    }

    const double marker = s.markerPt * ppp;
    p.setPen(PenOf(s.dip, s.curveWidthPt, ppp));
    for (const SmithMark& d : l.dips) p.drawEllipse(d.point, marker, marker);
    p.setFont(l.labelFont);
    for (const SmithMark& d : l.dips) {
        p.fillRect(d.label.rect, s.labelBackground);
        p.drawText(d.label.rect, Qt::AlignCenter, d.label.text);
    }
    if (l.crosshair) {
        p.setPen(PenOf(s.crosshair, s.guideWidthPt, ppp));
        const QPointF c = *l.crosshair;
        p.drawLine(c - QPointF(marker, 0.0), c + QPointF(marker, 0.0));
        p.drawLine(c - QPointF(0.0, marker), c + QPointF(0.0, marker));
    }
    p.setPen(s.text);
    p.drawText(l.caption.rect, Qt::AlignCenter, l.caption.text);
    p.restore();
}

}  // namespace ravemo
