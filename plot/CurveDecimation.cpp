#include "plot/CurveDecimation.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QPaintEngine>
#include <QPainter>

namespace ravemo {
namespace {

// The point on segment a-b at x.
QPointF AtX(const QPointF& a, const QPointF& b, double x) {
    if (b.x() == a.x()) return {x, b.y()};
    const double t = (x - a.x()) / (b.x() - a.x());
    return {x, a.y() + t * (b.y() - a.y())};
}

}  // namespace

QPolygonF DecimateByColumn(const QPolygonF& points) {
    QPolygonF kept;
    // A level run (a curve clipped at the top, a flat converter reading) needs its ends only.
    const auto keep = [&kept](const QPointF& p) {
        const qsizetype n = kept.size();
        if (n >= 2 && kept[n - 1].y() == p.y() && kept[n - 2].y() == p.y()) {
            kept[n - 1] = p;
        } else {
            kept << p;
        }
    };
    const qsizetype count = points.size();
    qsizetype i = 0;
    while (i < count) {
        const double column = std::floor(points[i].x());
        const qsizetype first = i;
        qsizetype lowest = i;
        qsizetype highest = i;
        for (++i; i < count && std::floor(points[i].x()) == column; ++i) {
            if (points[i].y() < points[lowest].y()) lowest = i;
            if (points[i].y() > points[highest].y()) highest = i;
        }
        const qsizetype last = i - 1;
        const qsizetype earlier = std::min(lowest, highest);
        const qsizetype later = std::max(lowest, highest);
        keep(points[first]);
        if (earlier > first) keep(points[earlier]);
        if (later > earlier) keep(points[later]);
        if (last > later) keep(points[last]);
    }
    return kept;
}

QPolygonF TrimToColumns(const QPolygonF& points, double leftX, double rightX) {
    QPolygonF trimmed;
    const qsizetype count = points.size();
    for (qsizetype i = 0; i < count; ++i) {
        const QPointF& p = points[i];
        if (p.x() < leftX) {
            if (i + 1 < count && points[i + 1].x() > leftX) trimmed << AtX(p, points[i + 1], leftX);
            continue;
        }
        if (p.x() > rightX) {
            if (i > 0 && points[i - 1].x() < rightX) trimmed << AtX(points[i - 1], p, rightX);
            break;
        }
        trimmed << p;
    }
    return trimmed;
}

void StrokeCurve(QPainter& painter, const QPolygonF& polyline) {
    const QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster) {
        QPen pen = painter.pen();
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        painter.drawPolyline(polyline);
        return;
    }
    QPen pen = painter.pen();
    pen.setCapStyle(Qt::SquareCap);  // the squares of two segments close the bend between them
    painter.setPen(pen);
    std::vector<QLineF> lines;
    lines.reserve(static_cast<std::size_t>(polyline.size()));
    for (qsizetype i = 1; i < polyline.size(); ++i)
        lines.emplace_back(polyline[i - 1], polyline[i]);
    if (lines.empty() && !polyline.isEmpty()) lines.emplace_back(polyline[0], polyline[0]);
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
}

}  // namespace ravemo
