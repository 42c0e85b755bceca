#include "ui/QtColourDialog.h"

#include <QColor>
#include <QColorDialog>
#include <QWidget>

#include "ui/chart/QtColour.h"

namespace ravemo {
QtColourDialog::QtColourDialog(QWidget* parent) : parent_(parent) {}

std::optional<std::uint32_t> QtColourDialog::pickColour() {
    const QColor picked = QColorDialog::getColor(ColourFromNumber(lastColour_), parent_);
    if (!picked.isValid()) return std::nullopt;
    lastColour_ = NumberFromColour(picked);
    return lastColour_;
}

}  // namespace ravemo
