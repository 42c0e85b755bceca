#pragma once

#include "ui/WindowColourTargets.h"
#include "ui/WindowCurveControls.h"
#include "ui/WindowSweepControls.h"

namespace ravemo {

struct MainWindowControls;

// The widgets each of the measurement's adapters works on, picked from the main window's
// controls by their design names.
SweepControlWidgets SweepControlWidgetsOf(const MainWindowControls& c);
CurveControlWidgets CurveControlWidgetsOf(const MainWindowControls& c);
ColourTargetWidgets ColourTargetWidgetsOf(const MainWindowControls& c);

}  // namespace ravemo
