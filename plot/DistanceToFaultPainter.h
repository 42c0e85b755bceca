#pragma once

#include <QLocale>
#include <QRectF>

#include "analysis/CableMeasurement.h"
#include "plot/PlotStyle.h"

class QPainter;

namespace ravemo {

// The distance shown: up to half again the farthest of the peaks and the length (50 m at
// least), and never beyond the alias-free range.
double ShownDistanceM(const CableMeasurement& m);

// Paints the distance-to-fault response into `target`: |response| (0 to 1) against metres
// along the line, with its peaks marked and labelled (distance, signed size) and the
// resolution above; a sentence instead where there is no response (no velocity factor). Sizes
// from the painter's device DPI; the painter's state is left as it was found.
void PaintDistanceToFault(QPainter& painter, const QRectF& target, const CableMeasurement& m,
                          const QLocale& locale, const PlotStyle& style);

}  // namespace ravemo
