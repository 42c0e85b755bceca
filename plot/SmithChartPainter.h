#pragma once

#include "plot/PlotStyle.h"
#include "plot/SmithChartLayout.h"

class QPainter;

namespace ravemo {

// Paints the Smith chart: the unit circle, the constant-resistance circles and the
// constant-reactance arcs with their values in ohms, the SWR 2 circle, the reference locus in
// grey, the impedance locus of the live samples (X with its estimated or measured sign, as the
// caption says), the dips with their frequencies and the crosshair's sample. `layout` is
// LayoutSmithChart of the same content on the painter's device. The locus skips points less
// than half a pixel from the last one drawn. The painter's state is left as it was found.
void PaintSmithChart(QPainter& painter, const SmithChartLayout& layout,
                     const SmithChartContent& content, const PlotStyle& style);

}  // namespace ravemo
