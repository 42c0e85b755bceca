#pragma once

#include "ui/chart/ChartItems.h"

namespace ravemo {

class ChartWidget;

// Mouse buttons as the chart reports them on release.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// The two markers' lines and tags as a click moves them.
struct MarkerParts {
    ChartLine& line1;  // Line1, MK1
    ChartTag& tag1;    // Label37
    ChartLine& line2;  // Line2, MK2
    ChartTag& tag2;    // Label38
};

// A mouse release over the chart at x (chart twips). Left: MK1's tag moves so that its right
// edge is at x, then Line1 goes to x. Right: Line2 goes to x, then MK2's tag moves so that its
// left edge is at x. Any other button: nothing. x is kept exactly as released (in single
// precision, as the sweep reads it back), neither snapped to a sample nor limited to the chart;
// visibility plays no part, so a hidden MK2 still moves.
void PlaceMarker(MarkerParts markers, int button, double x);

// The same on the chart's own Line1/Line2 and Label37/Label38, then a repaint.
void PlaceMarker(ChartWidget& chart, int button, double x);

}  // namespace ravemo
