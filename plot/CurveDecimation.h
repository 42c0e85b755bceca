#pragma once

#include <QPolygonF>

namespace ravemo {

// A polyline through points in ascending x, reduced to at most four points per pixel column:
// the first, the lowest, the highest and the last there (lowest and highest in the order they
// come), so it strokes to the same pixels as the whole polyline at a fraction of the cost.
QPolygonF DecimateByColumn(const QPolygonF& points);

// Cuts a polyline in ascending x to [leftX, rightX]: points beyond the ends go, and the
// segments that cross an end are cut there (an interpolated point on the edge).
QPolygonF TrimToColumns(const QPolygonF& points, double leftX, double rightX);

}  // namespace ravemo
