#pragma once

#include <cstdint>
#include <memory>

#include "common/Settings.h"
#include "support/FakeCurveControls.h"
#include "support/RecordingCanvas.h"
#include "support/ScriptedPump.h"
#include "sweep/SweepData.h"
#include "ui/chart/CurveDrawing.h"

namespace ravemo::test {

// Colour numbers of the six curves, distinct so each curve's segments can be told apart.
inline constexpr std::uint32_t kPhaseColour = 11;
inline constexpr std::uint32_t kLossColour = 12;
inline constexpr std::uint32_t kXsColour = 13;
inline constexpr std::uint32_t kRsColour = 14;
inline constexpr std::uint32_t kZColour = 15;
inline constexpr std::uint32_t kSwrColour = 16;

// A CurveDrawing on a recording canvas, fake controls and a scripted pump, with the default
// settings (Champ 6000, Step 1) unless the test asks for others.
struct CurveTestBench {
    explicit CurveTestBench(std::int32_t champ = 6000, std::int16_t step = 1,
                            const QLocale& locale = QLocale::c())
        : data(champ) {
        settings.Champ = champ;
        settings.Step = step;
        settings.colorS1 = static_cast<float>(kPhaseColour);
        settings.colorS2 = static_cast<float>(kLossColour);
        settings.colorS3 = static_cast<float>(kXsColour);
        settings.colorS4 = static_cast<float>(kRsColour);
        settings.colorS5 = static_cast<float>(kZColour);
        settings.colorS6 = static_cast<float>(kSwrColour);
        xScale = static_cast<float>(kChartWidthTwips / champ);
        drawing = std::make_unique<CurveDrawing>(canvas, controls, data, settings, pump, xScale,
                                                 locale, [this] { return ticks++; });
    }

    Settings settings;
    SweepData data;
    RecordingCanvas canvas;
    FakeCurveControls controls;
    ScriptedPump pump;
    float xScale = 0;
    std::uint32_t ticks = 0;
    std::unique_ptr<CurveDrawing> drawing;
};

}  // namespace ravemo::test
