#pragma once

#include "plot/PlotStyle.h"
#include "plot/TuningChartContent.h"
#include "plot/TuningLayout.h"

class QPainter;

namespace ravemo {

// Paints the tuning chart: the background, the amateur bands shaded with their names, the grid
// and the ticks with their labels (MHz at the bottom, SWR on the left, the right axis on the
// right), the lines at SWR 1.5 and 2, the reference trace, the right-axis curve, the SWR curve,
// the dips with their frequencies and the crosshair. `layout` is LayoutTuningChart of the same
// content on the painter's device. The curves are reduced to a few points per pixel column.
// The painter's state is left as it was found.
//
// A widget keeps a TuningLayout from its last resize or data change and paints with it:
//     layout_ = LayoutTuningChart(rect(), *this, content_, style_);    // on change
//     QPainter painter(this); PaintTuningChart(painter, layout_, content_, style_);
// and reads the mouse through it (layout_.hzOfX(x) for the crosshair and the zoom centre).
void PaintTuningChart(QPainter& painter, const TuningLayout& layout,
                      const TuningChartContent& content, const PlotStyle& style);

}  // namespace ravemo
