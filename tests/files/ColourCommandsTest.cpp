#include "files/ColourCommands.h"

#include <gtest/gtest.h>

#include "FileTestDoubles.h"

namespace ravemo {
namespace {

using Call = testing::RecordingColourTargets::Call;

struct CurveRow {
    ColourButton button;
    float Settings::*field;
    ColourLabel caption;
};

TEST(ColourCommands, CurveButtonsStoreTheColourAndRecolourCaptionAndButton) {
    const CurveRow rows[] = {
        {ColourButton::SwrCurve, &Settings::colorS6, ColourLabel::SwrCaption},
        {ColourButton::PhaseCurve, &Settings::colorS1, ColourLabel::PhaseCaption},
        {ColourButton::ReturnLossCurve, &Settings::colorS2, ColourLabel::ReturnLossCaption},
        {ColourButton::ReactanceCurve, &Settings::colorS3, ColourLabel::ReactanceCaption},
        {ColourButton::ResistanceCurve, &Settings::colorS4, ColourLabel::ResistanceCaption},
        {ColourButton::ImpedanceCurve, &Settings::colorS5, ColourLabel::ImpedanceCaption},
    };
    for (const CurveRow& row : rows) {
        Settings settings;
        testing::ScriptedColourDialog dialog;
        testing::RecordingColourTargets targets;
        ColourCommands commands(settings, dialog, targets);
        dialog.answers.push_back(0xFEDCBAU);  // 24 bits, exact in a float
        commands.click(row.button);
        EXPECT_EQ(settings.*row.field, 16702650.0F);
        settings.*row.field = 0.0F;
        const Settings untouched;
        for (float Settings::*field :
             {&Settings::colorS1, &Settings::colorS2, &Settings::colorS3, &Settings::colorS4,
              &Settings::colorS5, &Settings::colorS6}) {
            EXPECT_EQ(settings.*field, untouched.*field);  // no other curve changed
        }
        EXPECT_EQ(targets.calls,
                  (std::vector<Call>{{'L', static_cast<int>(row.caption), 0xFEDCBAU},
                                     {'B', static_cast<int>(row.button), 0xFEDCBAU}}));
    }
}

TEST(ColourCommands, MarkerButtonsRecolourLineButtonAndTag) {
    Settings settings;
    const Settings before = settings;
    testing::ScriptedColourDialog dialog;
    testing::RecordingColourTargets targets;
    ColourCommands commands(settings, dialog, targets);
    dialog.answers = {0x0000FFU, 0xFF0000U};
    commands.click(ColourButton::Marker1);
    commands.click(ColourButton::Marker2);
    EXPECT_EQ(targets.calls, (std::vector<Call>{
                                 {'M', static_cast<int>(MarkerLine::Marker1), 0x0000FFU},
                                 {'B', static_cast<int>(ColourButton::Marker1), 0x0000FFU},
                                 {'L', static_cast<int>(ColourLabel::Marker1Tag), 0x0000FFU},
                                 {'M', static_cast<int>(MarkerLine::Marker2), 0xFF0000U},
                                 {'B', static_cast<int>(ColourButton::Marker2), 0xFF0000U},
                                 {'L', static_cast<int>(ColourLabel::Marker2Tag), 0xFF0000U},
                             }));
    EXPECT_EQ(settings.colorS1, before.colorS1);
}

TEST(ColourCommands, ACancelledDialogChangesNothing) {
    Settings settings;
    settings.colorS2 = 255.0F;
    testing::ScriptedColourDialog dialog;
    testing::RecordingColourTargets targets;
    ColourCommands commands(settings, dialog, targets);
    dialog.answers = {std::nullopt, std::nullopt};
    commands.click(ColourButton::ReturnLossCurve);
    commands.click(ColourButton::Marker2);
    EXPECT_EQ(dialog.shows, 2);
    EXPECT_EQ(settings.colorS2, 255.0F);
    EXPECT_TRUE(targets.calls.empty());
}

}  // namespace
}  // namespace ravemo
