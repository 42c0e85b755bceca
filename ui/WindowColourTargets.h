#pragma once

#include <array>

#include "files/ColourTargets.h"

class QLabel;
class QPushButton;

namespace ravemo {

class ChartWidget;

// The widgets the colour buttons recolour.
struct ColourTargetWidgets {
    // The six curve captions by ColourLabel (SwrCaption .. ImpedanceCaption).
    std::array<QLabel*, kCurveCaptionCount> curveCaptions{};
    // Command3..Command10 by ColourButton.
    std::array<QPushButton*, kColourButtonCount> buttons{};
    ChartWidget* chart = nullptr;  // Picture1: the marker lines and tags
};

// The colour buttons' view of chart1: caption and tag text colours, button backgrounds and
// the marker lines' colours, changed at once.
class WindowColourTargets final : public ColourTargets {
  public:
    explicit WindowColourTargets(const ColourTargetWidgets& widgets) : w_(widgets) {}

    void setLabelTextColour(ColourLabel label, std::uint32_t colour) override;
    void setButtonBackground(ColourButton button, std::uint32_t colour) override;
    void setMarkerLineColour(MarkerLine line, std::uint32_t colour) override;

  private:
    ColourTargetWidgets w_;
};

}  // namespace ravemo
