#pragma once

#include "ui/ControlFactory.h"
#include "ui/MainWindowControls.h"

class QWidget;

namespace ravemo {

// Where the chart Picture1 stands in the window, twips.
inline constexpr double kChartLeftTwips = 945.0;
inline constexpr double kChartTopTwips = 315.0;

// The four blocks of chart1 as designed, each placed in twips on `window`: the chart with its
// scales and the offset box; the sweep-limits frame; the curve switches and colours; the
// marker readouts. Controls start with their design captions, texts and colours; the window's
// load handler then sets what depends on the chart's size and the settings.
void BuildChartArea(const ControlFactory& factory, QWidget* window, MainWindowControls& c);
void BuildSweepLimitsFrame(const ControlFactory& factory, QWidget* window, MainWindowControls& c);
void BuildCurveFrame(const ControlFactory& factory, QWidget* window, MainWindowControls& c);
void BuildMarkerFrame(const ControlFactory& factory, QWidget* window, MainWindowControls& c);

// Makes the tab order of the design: chart, limits, curve switches, buttons, single marker,
// offset. Readouts and the help hint are no tab stops.
void ApplyTabOrder(MainWindowControls& c);

}  // namespace ravemo
