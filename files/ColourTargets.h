#pragma once

#include <cstdint>

namespace ravemo {

// The eight colour buttons, by their window names.
enum class ColourButton {
    Command3,   // SWR curve
    Command4,   // phase curve
    Command5,   // return-loss curve
    Command6,   // |Xs| curve
    Command7,   // Rs curve
    Command8,   // |Z| curve
    Command9,   // marker 1
    Command10,  // marker 2
};

// Labels whose text colour the buttons set: the six curve captions and the two marker tags.
enum class ColourLabel {
    Label34,  // "SWR"
    Label22,  // phase caption
    Label21,  // return-loss caption
    Label26,  // |Xs| caption
    Label27,  // Rs caption
    Label28,  // |Z| caption
    Label37,  // "MK1" tag
    Label38,  // "MK2" tag
};

enum class MarkerLine { Line1, Line2 };

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
