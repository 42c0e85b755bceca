#pragma once

#include <QImage>
#include <QRgb>

namespace ravemo {

// Draws a straight, hard-edged line between two points given in the image's device pixels
// (pixel (i, j) covers [i, i+1) x [j, j+1)) straight into a 32-bit image, clipped to it.
// Far cheaper than a QPainter per segment for the chart's tens of thousands of tiny segments.
// `thickness` > 1 widens the line to a square brush of that many pixels (high-DPI screens).
// Points need not be on the image; they must be finite.
void DrawPixelLine(QImage& image, double x1, double y1, double x2, double y2, QRgb colour,
                   int thickness = 1);

}  // namespace ravemo
