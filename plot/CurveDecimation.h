#pragma once

#include <QPolygonF>

class QPainter;

namespace ravemo {

// A polyline through points in ascending x, reduced to at most four points per pixel column:
// the first, the lowest, the highest and the last there (lowest and highest in the order they
// come), so it strokes to the same pixels as the whole polyline at a fraction of the cost. A
// level run across columns keeps only its ends.
QPolygonF DecimateByColumn(const QPolygonF& points);

// Cuts a polyline in ascending x to [leftX, rightX]: points beyond the ends go, and the
// segments that cross an end are cut there (an interpolated point on the edge).
QPolygonF TrimToColumns(const QPolygonF& points, double leftX, double rightX);

// Strokes a polyline with the painter's pen. A raster device (an image, a widget) gets it as
// separate lines, which Qt draws on a fast path: its antialiased stroke of one long polyline
// with a pen wider than a pixel costs far more than linear time (about 10 ms for the two
// 1500-point curves of a wide sweep, against under 1 ms as lines). A vector device (PDF, SVG)
// gets one polyline with round joins.
void StrokeCurve(QPainter& painter, const QPolygonF& polyline);

}  // namespace ravemo
