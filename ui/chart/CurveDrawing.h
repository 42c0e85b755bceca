#pragma once

#include <cstdint>
#include <functional>

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
//
// A sample whose tuning word the synthesiser cannot reach (WordIsReachable, instrument/Dds.h)
// holds no measurement of its frequency: it is not drawn and no kept height is taken from it.
// A gap follows: no line joins a height from before it. The phase and return-loss curves start
// a new stretch at the next reachable sample they draw; an impedance curve's first stroke after
// a gap is level, at its own sample's height. A gap at the end of one redraw counts for the start
// of the next. Sweeps within the synthesiser's range are drawn exactly as without this rule.
class CurveDrawing final : public SweepRedraw {
  public:
    using TickCounter = std::function<std::uint32_t()>;

    // The milliseconds of a monotonic clock, wrapping at 2^32 like the system tick count.
    static std::uint32_t SystemTickCount();

    // Coordinates beyond +-1e6 twips (about 17 m) are clamped before drawing.
    static constexpr float kDrawLimitTwips = 1.0e6F;

    // Everything is held by reference and read at the moment of use; xScale is the chart's
    // width over Champ, fixed when the window loads; the offset box is read in `locale`.
    CurveDrawing(ChartCanvas& canvas, CurveControls& controls, const SweepData& data,
                 const Settings& settings, EventPump& pump, float xScale, const QLocale& locale,
                 TickCounter tickCount = &CurveDrawing::SystemTickCount);

    // Both procedures, in order.
    void redraw() override;

    // Sweep-time text, wipe, phase and return-loss curves.
    void DrawReturnLossAndPhase();
    // |Z|, |Xs|, Rs and SWR, one sample wide each, over what is already drawn.
    void DrawImpedanceCurves();

    float xScale() const { return xScale_; }

    std::uint32_t SweepStartTick() const { return sweepStartTick_; }
    std::uint32_t SweepEndTick() const { return sweepEndTick_; }
    float LastPhaseY() const { return lastPhase_.y; }
    float LastLossY() const { return lastLoss_.y; }
    float LastZY() const { return lastZ_.y; }
    float LastXsY() const { return lastXs_.y; }
    float LastRsY() const { return lastRs_.y; }
    float LastSwrY() const { return lastSwr_.y; }

  private:
    // Where a curve's next segment starts; `afterGap` when an unreachable sample came since, so
    // the next point starts a new stretch instead.
    struct Pen {
        float x;
        float y;
        bool afterGap;
    };
    // A curve's last height, kept from one sample (and one redraw) to the next.
    struct KeptHeight {
        float y = 0.0F;
        bool afterGap = false;  // an unreachable sample came after the sample y belongs to
    };

    // Highest index drawn and the stride, limited to what the arrays hold and to a stride of
    // at least 1.
    std::int64_t lastIndex() const;
    std::int64_t stride() const;
    bool isOn(CurveSwitch which) const;
    double offsetDb() const;
    void drawClamped(float x1, float y1, float x2, float y2, float colourSetting);
    bool isReachable(std::size_t index) const;
    // Draws from the pen to (x, y) and moves the pen there, unless a coordinate is not finite;
    // after a gap only moves it.
    void drawTo(Pen& pen, float x, float y, float colourSetting);
    // One-sample-wide stroke of an impedance curve; the kept height follows if finite.
    void drawStroke(float x, float y, KeptHeight& last, float colourSetting);

    ChartCanvas& canvas_;
    CurveControls& controls_;
    const SweepData& data_;
    const Settings& settings_;
    EventPump& pump_;
    float xScale_;
    TickCounter tickCount_;
    QLocale locale_;

    std::uint32_t sweepStartTick_ = 0;
    std::uint32_t sweepEndTick_ = 0;
    KeptHeight lastPhase_;
    KeptHeight lastLoss_;
    KeptHeight lastZ_;
    KeptHeight lastXs_;
    KeptHeight lastRs_;
    KeptHeight lastSwr_;
};

}  // namespace ravemo
