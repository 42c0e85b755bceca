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
    {ColourButton::SwrCurve, &Settings::colorS6, ColourLabel::SwrCaption},
    {ColourButton::PhaseCurve, &Settings::colorS1, ColourLabel::PhaseCaption},
    {ColourButton::ReturnLossCurve, &Settings::colorS2, ColourLabel::ReturnLossCaption},
    {ColourButton::ReactanceCurve, &Settings::colorS3, ColourLabel::ReactanceCaption},
    {ColourButton::ResistanceCurve, &Settings::colorS4, ColourLabel::ResistanceCaption},
    {ColourButton::ImpedanceCurve, &Settings::colorS5, ColourLabel::ImpedanceCaption},
};

struct MarkerButtonRow {
    ColourButton button;
    MarkerLine line;
    ColourLabel tag;
};

constexpr MarkerButtonRow kMarkerButtons[] = {
    {ColourButton::Marker1, MarkerLine::Marker1, ColourLabel::Marker1Tag},
    {ColourButton::Marker2, MarkerLine::Marker2, ColourLabel::Marker2Tag},
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
        targets_.setLabelTextColour(row.caption, ColourNumberOfSetting(settings_.*row.field));
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
