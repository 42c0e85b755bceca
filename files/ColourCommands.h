#pragma once

#include "common/Settings.h"
#include "files/ColourDialog.h"
#include "files/ColourTargets.h"

namespace ravemo {

// The clicks of the colour buttons Command3..Command10. A curve button stores the picked
// colour in its Settings field (colorS1..colorS6, for this run only: the settings file is never
// written) and recolours its caption and itself; the chart takes the curve colour at its next
// redraw. A marker button recolours the marker line, itself and the marker tag. A cancelled
// dialog changes nothing.
class ColourCommands {
  public:
    ColourCommands(Settings& settings, ColourDialog& dialog, ColourTargets& targets);

    void click(ColourButton button);

  private:
    Settings& settings_;
    ColourDialog& dialog_;
    ColourTargets& targets_;
};

}  // namespace ravemo
