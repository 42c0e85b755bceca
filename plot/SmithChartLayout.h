#pragma once

#include <optional>
#include <span>
#include <vector>

#include <QFont>
#include <QLocale>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include "analysis/AntennaSample.h"
#include "analysis/SwrDips.h"
#include "plot/PlotStyle.h"
#include "plot/SmithMapping.h"

class QPaintDevice;

namespace ravemo {

// What the Smith chart shows. The samples and dips are borrowed, as for the tuning chart.
struct SmithChartContent {
    const AntennaSamples* live = nullptr;       // its sign decides the caption
    const AntennaSamples* reference = nullptr;  // drawn in grey under the live locus
    std::span<const SwrDip> dips;
    std::optional<double> crosshairHz;  // the sample nearest to it is marked
    QLocale locale = QLocale::c();
};

// A text and its box.
struct PlacedText {
    QString text;
    QRectF rect;
};

// A marked point of the locus and its label.
struct SmithMark {
    QPointF point;
    PlacedText label;
};

// Everything the Smith chart's painter draws, in the target's pixels.
struct SmithChartLayout : PlotFrame {
    SmithCircle circle;
    std::vector<QRectF> resistanceCircles;  // the bounding boxes of the R circles
    QPainterPath reactanceArcs;             // the X arcs inside the unit circle and the real axis
    std::vector<PlacedText> gridLabels;     // R and X values in ohms
    QRectF swrTwoCircle;                    // |G| = 1/3
    PlacedText swrTwoLabel;
    PlacedText caption;  // "sign of X estimated" or "sign of X measured"; empty without data
    std::vector<SmithMark> dips;
    std::optional<QPointF> crosshair;
};

// The resistances of the constant-resistance circles and the reactances (both signs) of the
// constant-reactance arcs, in ohms against 50.
inline constexpr double kSmithGridOhms[] = {10.0, 25.0, 50.0, 100.0, 250.0};

SmithChartLayout LayoutSmithChart(const QRectF& target, const QPaintDevice& device,
                                  const SmithChartContent& content, const PlotStyle& style);

}  // namespace ravemo
