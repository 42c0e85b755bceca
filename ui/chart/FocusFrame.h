#pragma once

class QPainter;
class QWidget;

namespace ravemo {

// For widgets that paint themselves and take the keyboard focus (the charts): a frame in the
// style's highlight colour along the widget's edge while it has the focus, so the focus is
// always in sight. Paint it last.
void PaintFocusFrame(const QWidget& widget, QPainter& painter);

}  // namespace ravemo
