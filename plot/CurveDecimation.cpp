#include "plot/CurveDecimation.h"

#include <algorithm>
#include <cmath>

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
        kept << points[first];
        if (earlier > first) kept << points[earlier];
        if (later > earlier) kept << points[later];
        if (last > later) kept << points[last];
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

}  // namespace ravemo
