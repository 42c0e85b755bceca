#pragma once

#include <cstdint>
#include <optional>

namespace ravemo {

// The colour dialog (dlg2), shared by the eight colour buttons. Returns the picked colour
// number (red + 256 green + 65536 blue), or nothing when the user cancelled.
// The program's adapter wraps QColorDialog (ui/QtColourDialog.h); tests script a fake.
class ColourDialog {
  public:
    virtual ~ColourDialog() = default;
    virtual std::optional<std::uint32_t> pickColour() = 0;
};

}  // namespace ravemo
