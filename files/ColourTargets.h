#pragma once

#include <cstdint>

namespace ravemo {

// The eight colour buttons, in the order of their window names Command3..Command10.
enum class ColourButton {
    SwrCurve,         // Command3
    PhaseCurve,       // Command4
    ReturnLossCurve,  // Command5
    ReactanceCurve,   // Command6, |Xs|
    ResistanceCurve,  // Command7, Rs
    ImpedanceCurve,   // Command8, |Z|
    Marker1,          // Command9
    Marker2,          // Command10
};
inline constexpr int kColourButtonCount = static_cast<int>(ColourButton::Marker2) + 1;

// Labels whose text colour the buttons set: the six curve captions and the two marker tags.
enum class ColourLabel {
    SwrCaption,         // Label34, "SWR"
    PhaseCaption,       // Label22
    ReturnLossCaption,  // Label21
    ReactanceCaption,   // Label26, |Xs|
    ResistanceCaption,  // Label27, Rs
    ImpedanceCaption,   // Label28, |Z|
    Marker1Tag,         // Label37, "MK1"
    Marker2Tag,         // Label38, "MK2"
};
// The curve captions come first, in the order of the curve buttons.
inline constexpr int kCurveCaptionCount = static_cast<int>(ColourLabel::ImpedanceCaption) + 1;

enum class MarkerLine { Marker1, Marker2 };  // Line1, Line2

// The window's controls that the colour buttons recolour at once. The main window implements
// it; colour numbers are red + 256 green + 65536 blue.
class ColourTargets {
  public:
    virtual ~ColourTargets() = default;
    virtual void setLabelTextColour(ColourLabel label, std::uint32_t colour) = 0;
    virtual void setButtonBackground(ColourButton button, std::uint32_t colour) = 0;
    virtual void setMarkerLineColour(MarkerLine line, std::uint32_t colour) = 0;
};

}  // namespace ravemo
