#include "files/ColourCommands.h"

#include "common/ColourNumber.h"

namespace ravemo {
namespace {

struct CurveButtonRow {
    ColourButton button;
    float Settings::*field;
    ColourLabel caption;
};

constexpr CurveButtonRow kCurveButtons[] = {
    {ColourButton::Command3, &Settings::colorS6, ColourLabel::Label34},  // SWR
    {ColourButton::Command4, &Settings::colorS1, ColourLabel::Label22},  // phase
    {ColourButton::Command5, &Settings::colorS2, ColourLabel::Label21},  // return loss
    {ColourButton::Command6, &Settings::colorS3, ColourLabel::Label26},  // |Xs|
    {ColourButton::Command7, &Settings::colorS4, ColourLabel::Label27},  // Rs
    {ColourButton::Command8, &Settings::colorS5, ColourLabel::Label28},  // |Z|
};

struct MarkerButtonRow {
    ColourButton button;
    MarkerLine line;
    ColourLabel tag;
};

constexpr MarkerButtonRow kMarkerButtons[] = {
    {ColourButton::Command9, MarkerLine::Line1, ColourLabel::Label37},
    {ColourButton::Command10, MarkerLine::Line2, ColourLabel::Label38},
};

}  // namespace

ColourCommands::ColourCommands(Settings& settings, ColourDialog& dialog, ColourTargets& targets)
    : settings_(settings), dialog_(dialog), targets_(targets) {}

void ColourCommands::click(ColourButton button) {
    const std::optional<std::uint32_t> picked = dialog_.pickColour();
    if (!picked) return;
    for (const CurveButtonRow& row : kCurveButtons) {
        if (row.button != button) continue;
        settings_.*row.field = static_cast<float>(*picked);
        targets_.setLabelTextColour(row.caption, colourNumber(settings_.*row.field));
        targets_.setButtonBackground(button, *picked);
        return;
    }
    for (const MarkerButtonRow& row : kMarkerButtons) {
        if (row.button != button) continue;
        targets_.setMarkerLineColour(row.line, *picked);
        targets_.setButtonBackground(button, *picked);
        targets_.setLabelTextColour(row.tag, *picked);
        return;
    }
}

}  // namespace ravemo
