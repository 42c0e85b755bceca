#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include <QLocale>

#include "common/EventPump.h"
#include "common/Settings.h"
#include "sweep/SweepControls.h"
#include "sweep/SweepData.h"
#include "ui/chart/ChartCanvas.h"
#include "ui/chart/CurveControls.h"

namespace ravemo {

// The chart's two drawing procedures and the values they keep from one redraw to the next.
// The sweep tick calls redraw() after its last point: the chart is wiped, the phase and
// return-loss curves are drawn from the raw readings (yielding before every sample, so the
// switches and the offset box may change under it), then |Z|, |Xs|, Rs and SWR on top (no
// yields).
//
// Coordinates are chart twips, computed then stored in single precision. A coordinate that is
// not finite (possible only with readings from a loaded file or an absurd offset) is not drawn,
// and neither the pen nor the kept height takes it: both keep their last finite value. Finite
// coordinates far off the chart are clamped to kDrawLimitTwips before they reach the canvas, so
// no canvas ever rasterises a line kilometres long; the kept values stay unclamped.
class CurveDrawing final : public SweepRedraw {
  public:
    using TickCounter = std::function<std::uint32_t()>;

    // The milliseconds of a monotonic clock, wrapping at 2^32 like the system tick count.
    static std::uint32_t SystemTickCount();

    // Coordinates beyond +-1e6 twips (about 17 m) are clamped before drawing.
    static constexpr float kDrawLimitTwips = 1.0e6F;

    // Everything is held by reference and read at the moment of use; xScale is the chart's
    // width over Champ, fixed when the window loads.
    CurveDrawing(ChartCanvas& canvas, CurveControls& controls, const SweepData& data,
                 const Settings& settings, EventPump& pump, float xScale,
                 TickCounter tickCount = &CurveDrawing::SystemTickCount);

    // Both procedures, in order.
    void redraw() override;

    // Sweep-time text, wipe, phase and return-loss curves.
    void DrawReturnLossAndPhase();
    // |Z|, |Xs|, Rs and SWR, one sample wide each, over what is already drawn.
    void DrawImpedanceCurves();

    // The locale the offset box is read in; the user's locale unless set here.
    void setLocale(const QLocale& locale) { locale_ = locale; }

    float xScale() const { return xScale_; }

    std::uint32_t SweepStartTick() const { return sweepStartTick_; }
    std::uint32_t SweepEndTick() const { return sweepEndTick_; }
    float LastPhaseY() const { return lastPhaseY_; }
    float LastLossY() const { return lastLossY_; }
    float LastZY() const { return lastZY_; }
    float LastXsY() const { return lastXsY_; }
    float LastRsY() const { return lastRsY_; }
    float LastSwrY() const { return lastSwrY_; }

  private:
    struct Pen {
        float x;
        float y;
    };

    // Highest index drawn and the stride, limited to what the arrays hold and to a stride of
    // at least 1.
    std::int64_t lastIndex() const;
    std::int64_t stride() const;
    bool isOn(CurveSwitch which) const;
    double offsetDb(const QLocale& locale) const;
    void drawClamped(float x1, float y1, float x2, float y2, float colourSetting);
    // Draws from the pen to (x, y) and moves the pen there, unless a coordinate is not finite.
    void drawTo(Pen& pen, float x, float y, float colourSetting);
    // One-sample-wide stroke of an impedance curve; the kept height follows if finite.
    void drawStroke(float x, float y, float& lastY, float colourSetting);

    ChartCanvas& canvas_;
    CurveControls& controls_;
    const SweepData& data_;
    const Settings& settings_;
    EventPump& pump_;
    float xScale_;
    TickCounter tickCount_;
    std::optional<QLocale> locale_;

    std::uint32_t sweepStartTick_ = 0;
    std::uint32_t sweepEndTick_ = 0;
    float lastPhaseY_ = 0.0F;
    float lastLossY_ = 0.0F;
    float lastZY_ = 0.0F;
    float lastXsY_ = 0.0F;
    float lastRsY_ = 0.0F;
    float lastSwrY_ = 0.0F;
};

}  // namespace ravemo
