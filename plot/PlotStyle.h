#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QRectF>

class QPaintDevice;

namespace ravemo {

// Colours, line widths and font sizes of every plot, in one place. Widths and sizes are in
// points (1/72 inch) and turned into pixels with the paint device's logical DPI, so a 96 dpi
// widget and a 1200 dpi PDF page look alike.
struct PlotStyle {
    QColor background{0xFF, 0xFF, 0xFF};
    QColor plotBackground{0xFF, 0xFF, 0xFF};
    QColor frame{0x60, 0x60, 0x60};
    QColor grid{0xDD, 0xDD, 0xDD};
    QColor text{0x20, 0x20, 0x20};
    QColor bandFill{0xE4, 0xEE, 0xFA};
    QColor bandText{0x3A, 0x5F, 0x8F};
    QColor swrCurve{0x1F, 0x4E, 0xB4};
    QColor rightCurve{0xD0, 0x6A, 0x10};
    QColor reference{0xA8, 0xA8, 0xA8};
    QColor swrOneAndHalfLine{0x3C, 0x9A, 0x3C};
    QColor swrTwoLine{0xD4, 0x8A, 0x00};
    QColor dip{0xC0, 0x18, 0x18};
    QColor labelBackground{0xFF, 0xFF, 0xFF, 0xD0};  // behind dip labels, over grid and curves
    QColor crosshair{0x50, 0x50, 0x50};
    QColor smithGrid{0xC8, 0xC8, 0xC8};
    QColor historyResonance{0x1F, 0x4E, 0xB4};
    QColor historySwr{0xC0, 0x18, 0x18};

    QString fontFamily;  // empty: the application's default family
    double labelPt = 8.5;
    double smallLabelPt = 7.5;

    double curveWidthPt = 1.3;
    double referenceWidthPt = 1.3;
    double rightCurveWidthPt = 1.0;
    double gridWidthPt = 0.5;
    double frameWidthPt = 0.75;
    double guideWidthPt = 0.75;  // the SWR 1.5 and 2 lines, the crosshair
    double tickLengthPt = 3.0;
    double paddingPt = 4.0;
    double markerPt = 4.5;  // half the size of a dip or crosshair marker

    QFont font(double points) const;
};

// How many device pixels a point is on a paint device.
double PixelsPerPoint(const QPaintDevice& device);

// What every picture lays out first: its rectangle, the device's pixels per point and the fonts.
struct PlotFrame {
    QRectF bounds;  // the target rectangle
    double pixelsPerPoint = 1.0;
    QFont labelFont;
    QFont smallFont;
};

PlotFrame FrameOf(const QRectF& target, const QPaintDevice& device, const PlotStyle& style);

// A pen `widthPt` points wide, with flat ends and bevelled corners (no spikes at sharp turns).
QPen PenOf(const QColor& colour, double widthPt, double pixelsPerPoint,
           Qt::PenStyle line = Qt::SolidLine);

}  // namespace ravemo
