#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>

#include "plot/PlotStyle.h"
#include "plot/TuningScene.h"

class QPainter;

namespace ravemo {

// The tuning chart and the Smith chart of a scene, painted by the tuning window's painters into
// a rectangle of any paint device (an image, a PDF page).
void PaintSceneChart(QPainter& painter, const QRectF& target, const TuningScene& scene,
                     const PlotStyle& style);
void PaintSceneSmith(QPainter& painter, const QRectF& target, const TuningScene& scene,
                     const PlotStyle& style);

// An image of `size` pixels at `dpi` (its fonts and pens are sized in points) on the style's
// background, ready to paint on.
QImage BlankPicture(const QSize& size, double dpi, const PlotStyle& style);

// The tuning chart beside the Smith chart (a square at the right) in one image of `size`, as
// the tuning window's "Copy picture" puts it on the clipboard.
QImage ScenePicture(const TuningScene& scene, const QSize& size, double dpi,
                    const PlotStyle& style);

}  // namespace ravemo
