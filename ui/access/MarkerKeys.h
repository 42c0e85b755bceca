#pragma once

#include "sweep/MarkerMoves.h"

namespace ravemo {

class ChartWidget;
class Measurement;

// Marker 1 or 2 of the main window's chart moved by a key, through the same placement as a
// click (left button for marker 1, right for marker 2), so the next sweep tick reads it back
// and fills the readouts exactly as after a click.
void MoveMarker(ChartWidget& chart, const Measurement& measurement, int marker, MarkerMove move);

// The marker onto the sample of the lowest SWR of the latest sweep (the middle of a flat
// bottom). Nothing when no sample was measured.
void MoveMarkerToDeepestDip(ChartWidget& chart, const Measurement& measurement, int marker);

}  // namespace ravemo
