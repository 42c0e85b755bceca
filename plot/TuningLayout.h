#pragma once

#include <vector>

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "plot/FrequencyView.h"
#include "plot/PlotStyle.h"
#include "plot/RightAxis.h"
#include "plot/SwrScale.h"
#include "plot/TuningChartContent.h"

class QPaintDevice;

namespace ravemo {

// A tick on an axis: its pixel position along the axis and its label's box.
struct AxisTick {
    double pixel = 0.0;
    QString label;
    QRectF labelRect;
};

// An amateur band in view: its shaded stretch and, where it does not collide with another
// band's, its name.
struct BandMark {
    QRectF shade;
    QString name;
    QRectF nameRect;  // empty: the name is left out
};

// The dip marker, a triangle pointing down at the dip's bottom, is this many markerPt high.
inline constexpr double kDipMarkerHeightFactor = 1.6;

// A dip in view: the bottom's point on the SWR curve and its frequency label. The label never
// covers another dip's label or marker, nor a band's name: where no place is free it is left
// out (an empty labelRect), and the dips table still gives the frequency.
struct DipMark {
    QPointF point;
    QString label;
    QRectF labelRect;
};

// The arrow at the top edge that marks SWRs above the scale, this many markerPt high.
inline constexpr double kAboveScaleArrowHeightFactor = 1.6;

// Everything the tuning chart's painter draws, in the target's pixels, and the mappings between
// pixels and values. The widget keeps the layout of its last paint for the mouse (hzOfX for
// the crosshair, the wheel and the drag); the painter paints exactly what it holds.
struct TuningLayout : PlotFrame {
    QRectF plot;  // the curves' area, framed

    FrequencyView view;
    SwrScale swrScale;
    RightAxisQuantity rightAxis = RightAxisQuantity::None;
    ValueRange rightRange;
    int frequencyDecimals = 0;  // of the tick labels; dip labels carry more

    std::vector<AxisTick> frequencyTicks;  // along x
    std::vector<AxisTick> swrTicks;        // along y, labels on the left
    std::vector<AxisTick> rightTicks;      // along y, labels on the right
    std::vector<BandMark> bands;
    std::vector<DipMark> dips;
    // Where the live SWR curve runs above the top of the scale: the middle of each such stretch,
    // marked by an arrow at the top edge (stretches closer than an arrow's width share one).
    std::vector<double> aboveScaleX;
    QString swrTitle;
    QRectF swrTitleRect;
    QString rightTitle;
    QRectF rightTitleRect;
    QString frequencyTitle;
    QRectF frequencyTitleRect;
    QString referenceLegend;  // empty without a reference trace
    QRectF referenceLegendRect;

    double xOfHz(double hz) const;
    double hzOfX(double x) const;
    // Clamped to the plot: SWRs above the top of the scale sit on its top edge.
    double yOfSwr(double swr) const;
    // For the curves: SWRs above the top of the scale lie above the plot (at most a plot's
    // height, infinity there too), so a curve clipped to the plot leaves it through the top
    // edge instead of running along it as if it read the top value.
    double yOfSwrBeyondTop(double swr) const;
    double swrOfY(double y) const;
    double yOfRight(double value) const;  // clamped to the plot
    double rightOfY(double y) const;
};

// The layout of the tuning chart for `content` in `target` on `device` (its DPI sizes the fonts,
// the pens and the spacing of the ticks).
TuningLayout LayoutTuningChart(const QRectF& target, const QPaintDevice& device,
                               const TuningChartContent& content, const PlotStyle& style);

}  // namespace ravemo
