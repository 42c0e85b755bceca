#pragma once

#include "files/ColourTargets.h"
#include "ui/MainWindowControls.h"

namespace ravemo {

// The colour buttons' view of chart1: caption and tag text colours, button backgrounds and
// the marker lines' colours, changed at once.
class WindowColourTargets final : public ColourTargets {
  public:
    explicit WindowColourTargets(const MainWindowControls& controls) : c_(controls) {}

    void setLabelTextColour(ColourLabel label, std::uint32_t colour) override;
    void setButtonBackground(ColourButton button, std::uint32_t colour) override;
    void setMarkerLineColour(MarkerLine line, std::uint32_t colour) override;

  private:
    const MainWindowControls& c_;
};

}  // namespace ravemo
