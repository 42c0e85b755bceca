#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>

#include <gtest/gtest.h>

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
inline constexpr double kH = kChartHeightTwips;
inline constexpr float kNan = std::numeric_limits<float>::quiet_NaN();
inline constexpr float kInf = std::numeric_limits<float>::infinity();

// A CurveDrawing on a recording canvas, fake controls and a scripted pump.
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
                                                 locale, CurveDrawing::TickCounter{});
    }

    // Every coordinate that reached the canvas is finite and within the drawing limit.
    void expectBoundedSegments() const {
        for (const auto& call : canvas.calls) {
            for (float v : {call.segment.x1, call.segment.y1, call.segment.x2, call.segment.y2}) {
                ASSERT_TRUE(std::isfinite(v));
                EXPECT_LE(std::fabs(v), CurveDrawing::kDrawLimitTwips);
            }
        }
    }

    // The segment of a colour that starts at a sample's x, or one of NaNs when none does.
    RecordingCanvas::Segment strokeFrom(std::uint32_t colour, int index) const {
        for (const auto& segment : canvas.segments(colour)) {
            if (segment.x1 == static_cast<float>(index) * xScale) return segment;
        }
        return {kNan, kNan, kNan, kNan, colour};
    }

    Settings settings;
    SweepData data;
    RecordingCanvas canvas;
    FakeCurveControls controls;
    ScriptedPump pump;
    float xScale = 0;
    std::unique_ptr<CurveDrawing> drawing;
};

}  // namespace ravemo::test
