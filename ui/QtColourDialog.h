#pragma once

#include <cstdint>
#include <optional>

#include "files/ColourDialog.h"

class QWidget;

namespace ravemo {

// dlg2 on QColorDialog::getColor. An invalid colour (the user cancelled) gives nothing. The
// dialog opens on the colour picked last (black before the first pick).
class QtColourDialog : public ColourDialog {
  public:
    explicit QtColourDialog(QWidget* parent);

    std::optional<std::uint32_t> pickColour() override;

  private:
    QWidget* parent_;
    std::uint32_t lastColour_ = 0;
};

}  // namespace ravemo
