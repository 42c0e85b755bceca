#include "ui/QtColourDialog.h"

#include <QColor>
#include <QColorDialog>
#include <QWidget>

namespace ravemo {
namespace {

constexpr std::uint32_t kGreenWeight = 256;
constexpr std::uint32_t kBlueWeight = 65536;

QColor colourOfNumber(std::uint32_t number) {
    return QColor(static_cast<int>(number % kGreenWeight),
                  static_cast<int>(number / kGreenWeight % kGreenWeight),
                  static_cast<int>(number / kBlueWeight % kGreenWeight));
}

std::uint32_t numberOfColour(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) +
           kGreenWeight * static_cast<std::uint32_t>(colour.green()) +
           kBlueWeight * static_cast<std::uint32_t>(colour.blue());
}

}  // namespace

QtColourDialog::QtColourDialog(QWidget* parent) : parent_(parent) {}

std::optional<std::uint32_t> QtColourDialog::pickColour() {
    const QColor picked = QColorDialog::getColor(colourOfNumber(lastColour_), parent_);
    if (!picked.isValid()) return std::nullopt;
    lastColour_ = numberOfColour(picked);
    return lastColour_;
}

}  // namespace ravemo
