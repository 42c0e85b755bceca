#pragma once

#include <span>

#include <QLocale>
#include <QRectF>

#include "plot/PlotStyle.h"
#include "plot/TuningHistory.h"

class QPainter;

namespace ravemo {

// Paints the tuning history into `target`: the tuned frequency (MHz, scale on the left: the
// resonance, or the dip's bottom as the header then says) and the lowest SWR (scale on the
// right) of the history's points, each scale fitted to its values, placed by time on an axis
// of minutes before the latest sweep (at the right edge; the axis spans 1 to 30 minutes, as
// the history needs); a gap where a sweep had no frequency or no sweep came for a minute; the
// latest values written above the strip. Sizes from the painter's device DPI; the painter's state
// is left as it was found.
void PaintHistoryStrip(QPainter& painter, const QRectF& target,
                       std::span<const HistoryPoint> points, const QLocale& locale,
                       const PlotStyle& style);

}  // namespace ravemo
