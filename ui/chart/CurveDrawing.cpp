#include "ui/chart/CurveDrawing.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "common/CheckBoxValue.h"
#include "common/ColourNumber.h"
#include "common/NumberText.h"
#include "common/SinglePrecision.h"
#include "instrument/Dds.h"
#include "sweep/MeasurementRules.h"

namespace ravemo {

namespace {

// The vertical scales: raw counts over the chart's height, and chart units per dB of offset.
constexpr double kPhaseFullScaleCounts = 1024.0;
constexpr double kReturnLossFullScaleCounts = 512.0;
constexpr double kTwipsPerOffsetDb = 126.5;
constexpr double kImpedanceFullScaleOhms = 300.0;
constexpr double kSwrFullScale = 10.0;
// Where the pens of the phase and return-loss curves start each redraw.
constexpr float kPenStartXTwips = 1.0F;

bool isFinite(float value) { return std::isfinite(value); }

float clampToDrawLimit(float value) {
    return std::clamp(value, -CurveDrawing::kDrawLimitTwips, CurveDrawing::kDrawLimitTwips);
}

float phaseY(double h, float raw) {
    return ToSingle(h * static_cast<double>(raw) / kPhaseFullScaleCounts);
}

double lossYWithoutOffset(double h, float raw) {
    return h - h * static_cast<double>(raw) / kReturnLossFullScaleCounts;
}

float impedanceY(double h, float ohms) {
    return ToSingle(h * static_cast<double>(ohms) / kImpedanceFullScaleOhms);
}

float swrY(double h, float swr) {
    return ToSingle(h - h * static_cast<double>(swr) / kSwrFullScale);
}

}  // namespace

std::uint32_t CurveDrawing::SystemTickCount() {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms.count()));
}

CurveDrawing::CurveDrawing(ChartCanvas& canvas, CurveControls& controls, const SweepData& data,
                           const Settings& settings, EventPump& pump, float xScale,
                           const QLocale& locale, TickCounter tickCount)
    : canvas_(canvas),
      controls_(controls),
      data_(data),
      settings_(settings),
      pump_(pump),
      xScale_(xScale),
      tickCount_(tickCount ? std::move(tickCount) : TickCounter(&CurveDrawing::SystemTickCount)),
      locale_(locale) {}

void CurveDrawing::redraw() {
    DrawReturnLossAndPhase();
    DrawImpedanceCurves();
}

std::int64_t CurveDrawing::lastIndex() const {
    // The arrays are made from Champ and never resized; never read past what they hold.
    return std::min<std::int64_t>(settings_.Champ, data_.champ());
}

std::int64_t CurveDrawing::stride() const {
    // A stride below 1 would never advance; draw every sample instead.
    return std::max<std::int64_t>(settings_.Step, 1);
}

bool CurveDrawing::isOn(CurveSwitch which) const {
    return controls_.curveSwitchValue(which) == kTicked;
}

double CurveDrawing::offsetDb() const {
    return NumberText::leadingNumberOfBox(controls_.offsetText(), locale_);
}

void CurveDrawing::drawClamped(float x1, float y1, float x2, float y2, float colourSetting) {
    canvas_.drawSegment(clampToDrawLimit(x1), clampToDrawLimit(y1), clampToDrawLimit(x2),
                        clampToDrawLimit(y2), ColourNumberOfSetting(colourSetting));
}

bool CurveDrawing::isReachable(std::size_t index) const {
    return WordIsReachable(data_.DdsWords[index]);
}

void CurveDrawing::drawTo(Pen& pen, float x, float y, float colourSetting) {
    if (!isFinite(x) || !isFinite(y)) return;
    if (!pen.afterGap) drawClamped(pen.x, pen.y, x, y, colourSetting);
    pen = {x, y, false};
}

void CurveDrawing::drawStroke(float x, float y, KeptHeight& last, float colourSetting) {
    if (!isFinite(y)) return;
    const float xEnd = x + xScale_;
    const float yStart = last.afterGap ? y : last.y;
    if (isFinite(x) && isFinite(xEnd)) drawClamped(x, yStart, xEnd, y, colourSetting);
    last = {y, false};
}

void CurveDrawing::DrawReturnLossAndPhase() {
    sweepEndTick_ = tickCount_();
    // Unsigned 32-bit difference: right across the counter's wrap-around.
    controls_.setSweepTimeText(QString::number(sweepEndTick_ - sweepStartTick_));
    sweepStartTick_ = tickCount_();
    canvas_.wipe();

    Pen phasePen{kPenStartXTwips, lastPhase_.y, lastPhase_.afterGap};
    Pen lossPen{kPenStartXTwips, lastLoss_.y, lastLoss_.afterGap};
    const std::int64_t last = lastIndex();
    const std::int64_t step = stride();
    for (std::int64_t i = 0; i <= last; i += step) {
        pump_.yield();
        const auto index = static_cast<std::size_t>(i);
        if (!isReachable(index)) {
            phasePen.afterGap = lossPen.afterGap = true;
            lastPhase_.afterGap = lastLoss_.afterGap = true;
            continue;
        }
        const double h = canvas_.heightTwips();
        const float phaseRaw = data_.PhaseSamples[index];
        const float lossRaw = data_.ReturnLossSamples[index];
        const float x = static_cast<float>(i) * xScale_;
        if (isOn(CurveSwitch::Phase)) {
            drawTo(phasePen, x, phaseY(h, phaseRaw), settings_.colorS1);
        }
        if (isOn(CurveSwitch::ReturnLoss)) {
            const float y =
                ToSingle(lossYWithoutOffset(h, lossRaw) + offsetDb() * kTwipsPerOffsetDb);
            drawTo(lossPen, x, y, settings_.colorS2);
        }
        const float keptPhaseY = phaseY(h, phaseRaw);
        const float keptLossY = ToSingle(lossYWithoutOffset(h, lossRaw));
        if (isFinite(keptPhaseY)) lastPhase_ = {keptPhaseY, false};
        if (isFinite(keptLossY)) lastLoss_ = {keptLossY, false};
    }
}

void CurveDrawing::DrawImpedanceCurves() {
    const std::int64_t last = lastIndex();
    const std::int64_t step = stride();
    for (std::int64_t i = 0; i <= last; i += step) {
        const auto index = static_cast<std::size_t>(i);
        if (!isReachable(index)) {
            for (KeptHeight* kept : {&lastZ_, &lastXs_, &lastRs_, &lastSwr_}) kept->afterGap = true;
            continue;
        }
        const SampleValues v =
            ConvertSample(data_.ReturnLossSamples[index], data_.PhaseSamples[index]);
        const double h = canvas_.heightTwips();
        const float x = static_cast<float>(i) * xScale_;
        if (isOn(CurveSwitch::Z)) drawStroke(x, impedanceY(h, v.z), lastZ_, settings_.colorS5);
        if (isOn(CurveSwitch::Xs)) drawStroke(x, impedanceY(h, v.xs), lastXs_, settings_.colorS3);
        if (isOn(CurveSwitch::Rs)) drawStroke(x, impedanceY(h, v.rs), lastRs_, settings_.colorS4);
        if (isOn(CurveSwitch::Swr)) drawStroke(x, swrY(h, v.swr), lastSwr_, settings_.colorS6);
    }
}

}  // namespace ravemo
