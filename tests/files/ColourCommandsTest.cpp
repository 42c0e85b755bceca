#include "files/ColourCommands.h"

#include <utility>

#include <gtest/gtest.h>
#include <QStringList>

namespace ravemo {
namespace {

constexpr std::uint32_t kChosen = 0xFEDCBAU;  // 24 bits, exact in a float

// One recolouring as "kind target colour", e.g. "L3 fedcba" (L label, B button, M marker line).
template <typename Target>
QString Call(char kind, Target target, std::uint32_t colour = kChosen) {
    return QStringLiteral("%1%2 %3").arg(kind).arg(static_cast<int>(target)).arg(colour, 0, 16);
}

struct ColourBench : ColourDialog, ColourTargets {
    // The first show is cancelled, the next ones choose kChosen.
    std::optional<std::uint32_t> pickColour() override { return std::exchange(answer, kChosen); }
    void setLabelTextColour(ColourLabel t, std::uint32_t c) override { calls << Call('L', t, c); }
    void setButtonBackground(ColourButton t, std::uint32_t c) override { calls << Call('B', t, c); }
    void setMarkerLineColour(MarkerLine t, std::uint32_t c) override { calls << Call('M', t, c); }

    std::optional<std::uint32_t> answer;
    QStringList calls;
    Settings settings;
    ColourCommands commands{settings, *this, *this};
};

// A cancelled dialog changes nothing; a chosen colour goes to the button's curve setting.
TEST(ColourCommands, EachButtonStoresItsCurveColourAndRecoloursWhatShowsIt) {
    using B = ColourButton;
    using L = ColourLabel;
    const struct {
        ColourButton button;
        float Settings::*field;  // none for the markers
        ColourLabel label;
        MarkerLine line = MarkerLine::Marker1;
    } rows[] = {
        {B::SwrCurve, &Settings::colorS6, L::SwrCaption},
        {B::PhaseCurve, &Settings::colorS1, L::PhaseCaption},
        {B::ReturnLossCurve, &Settings::colorS2, L::ReturnLossCaption},
        {B::ReactanceCurve, &Settings::colorS3, L::ReactanceCaption},
        {B::ResistanceCurve, &Settings::colorS4, L::ResistanceCaption},
        {B::ImpedanceCurve, &Settings::colorS5, L::ImpedanceCaption},
        {B::Marker1, nullptr, L::Marker1Tag, MarkerLine::Marker1},
        {B::Marker2, nullptr, L::Marker2Tag, MarkerLine::Marker2},
    };
    for (const auto& row : rows) {
        ColourBench bench;
        bench.commands.click(row.button);
        EXPECT_TRUE(bench.calls.isEmpty());
        bench.commands.click(row.button);
        const QStringList calls =
            row.field != nullptr
                ? QStringList{Call('L', row.label), Call('B', row.button)}
                : QStringList{Call('M', row.line), Call('B', row.button), Call('L', row.label)};
        EXPECT_EQ(bench.calls, calls);
        if (row.field != nullptr) {
            EXPECT_EQ(bench.settings.*row.field, 16702650.0F);
        }
    }
}

}  // namespace
}  // namespace ravemo
