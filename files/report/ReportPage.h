#pragma once

#include <QRectF>

#include "files/report/AntennaReport.h"
#include "plot/PlotStyle.h"

class QPainter;

namespace ravemo {

// Paints the whole report on one page, the printable rectangle `page` of the painter's device:
// the title and the facts of the measurement, the tuning chart beside the Smith chart, the dips
// table, the resonances, the trim and cable lines and the band table. Sizes are in points, so a
// PNG and a PDF page of the same shape look alike; the pictures take the height the texts
// leave. Text is painted as text, so a PDF page can be searched and copied.
void PaintReportPage(QPainter& painter, const QRectF& page, const AntennaReport& report,
                     const PlotStyle& style);

}  // namespace ravemo
