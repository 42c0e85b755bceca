#include "sweep/SweepEngine.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "common/CheckBoxValue.h"
#include "common/NumberText.h"
#include "common/SinglePrecision.h"
#include "common/SweepCancelled.h"
#include "common/Units.h"
#include "instrument/Adc.h"
#include "instrument/Dds.h"
#include "sweep/MarkerIndex.h"
#include "sweep/MarkerReadouts.h"
#include "sweep/ReachableRange.h"

namespace ravemo {
namespace {

constexpr int kFirstMarker = 1;
constexpr int kSecondMarker = 2;
// All data lines low, written once at the start of every tick.
constexpr std::uint8_t kAllLinesLow = 0;

// Marks a tick as running for exactly as long as the tick's scope lasts.
class TickGuard {
  public:
    explicit TickGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~TickGuard() { flag_ = false; }
    TickGuard(const TickGuard&) = delete;
    TickGuard& operator=(const TickGuard&) = delete;

  private:
    bool& flag_;
};

}  // namespace

SweepEngine::SweepEngine(Settings& settings, SweepData& data, SweepControls& controls,
                         PortLink link, SweepRedraw& redraw, const QLocale& locale)
    : settings_(settings),
      data_(data),
      controls_(controls),
      link_(link),
      redraw_(redraw),
      locale_(locale) {
    if (settings.Champ < 1 || settings.Step < 1) {
        throw std::invalid_argument("sweep needs Champ >= 1 and Step >= 1");
    }
    if (data.champ() != settings.Champ || data.PhaseSamples.size() != data.DdsWords.size() ||
        data.ReturnLossSamples.size() != data.DdsWords.size()) {
        throw std::invalid_argument("sweep arrays must hold the indices 0 to Champ");
    }
}

void SweepEngine::tick() {
    if (ticking_) return;
    const TickGuard guard(ticking_);
    try {
        runTick();
    } catch (const SweepCancelled&) {
        // The program is closing: leave the port and the chart as they are.
    }
}

void SweepEngine::runTick() {
    link_.pump.yield();
    link_.writeData(kAllLinesLow);
    // The step comes from the limits as the previous tick left them; the limits read below
    // take effect on the start frequency now and on the step only at the next tick.
    freqStep_ = (static_cast<double>(settings_.FMax) - static_cast<double>(settings_.FMin)) /
                static_cast<double>(settings_.Champ);
    readLimits();
    refreshMarkerReadouts();
    if (freqStep_ == 0.0) return;
    correction_ = {};
    if (correctionProvider_) {
        const double first = static_cast<double>(settings_.FMin);
        const double last = first + freqStep_ * static_cast<double>(settings_.Champ);
        correction_ = correctionProvider_(std::min(first, last), std::max(first, last));
    }
    sweepPoints();
    redraw_.redraw();
}

void SweepEngine::readLimits() {
    if (controls_.fullSweepValue() == kTicked) {
        settings_.FMax = settings_.FullFMax;
        settings_.FMin = settings_.FullFMin;
        controls_.setUpperLimitText(
            NumberText::generalFormat(static_cast<double>(settings_.FMax) / kHzPerMHz, locale_));
        controls_.setLowerLimitText(
            NumberText::generalFormat(static_cast<double>(settings_.FMin) / kHzPerMHz, locale_));
    }
    // The boxes may hold the program's own locale text ("7,1" in a decimal-comma locale). A
    // limit beyond single precision ("1e40") becomes infinite: no frame carries its words.
    settings_.FMax =
        ToSingle(NumberText::leadingNumberOfBox(controls_.upperLimitText(), locale_) * kHzPerMHz);
    settings_.FMin =
        ToSingle(NumberText::leadingNumberOfBox(controls_.lowerLimitText(), locale_) * kHzPerMHz);
    if (rangeNoticeListener_) {
        rangeNoticeListener_(RangeNotice(static_cast<double>(settings_.FMin),
                                         static_cast<double>(settings_.FMax), locale_));
    }
}

void SweepEngine::refreshMarkerReadouts() {
    const std::int32_t champ = settings_.Champ;
    const std::int32_t step = settings_.Step;
    mk1Index_ =
        MarkerIndex(controls_.markerLineX(kFirstMarker), controls_.chartWidth(), champ, step);
    mk2Index_ =
        MarkerIndex(controls_.markerLineX(kSecondMarker), controls_.chartWidth(), champ, step);
    // A reading is a measurement only where its word was reachable, and it cannot be one of a
    // frequency the synthesiser does not make (the caption's, under limits just typed), nor of
    // the caption's frequency when it was read at another (held readings under new limits).
    const auto sampleAt = [this](std::int32_t index) {
        const auto i = static_cast<std::size_t>(index);
        const double hz =
            static_cast<double>(index) * freqStep_ + static_cast<double>(settings_.FMin);
        const double word = data_.DdsWords[i];
        const bool readThere =
            std::fabs(word - TuningWord(hz)) <= TuningWord(std::fabs(freqStep_)) / 4.0;
        return MarkerSample{data_.ReturnLossSamples[i], data_.PhaseSamples[i], hz,
                            WordIsReachable(word) && FrequencyIsReachable(hz) && readThere};
    };
    ShowMarkerReadouts(controls_, sampleAt(mk1Index_), sampleAt(mk2Index_), locale_);
}

void SweepEngine::sweepPoints() {
    // Bounds taken once; 64-bit so a Champ near the 32-bit limit cannot overflow the index.
    const std::int64_t last =
        std::min<std::int64_t>(settings_.Champ, static_cast<std::int64_t>(data_.champ()));
    const std::int64_t stride = settings_.Step;
    for (std::int64_t index = 0; index <= last; index += stride) {
        link_.pump.yield();
        const auto i = static_cast<std::size_t>(index);
        const double word = TuningWord(static_cast<double>(index) * freqStep_ +
                                       static_cast<double>(settings_.FMin));
        if (!WordFitsFrame(word)) {
            data_.DdsWords[i] = word;  // no reading can be of this frequency
            continue;
        }
        const std::uint64_t failuresBefore = link_.port.failedAccesses();
        DdsLoadWord(link_, word);
        // Hold is read afresh at every point: a click between points takes effect at once. A
        // held reading keeps the word it was read at (or its not-measured mark), so that it is
        // never shown, analysed or saved as a reading of the new limits' frequency.
        if (controls_.holdValue() != kUnticked) continue;
        ReadAdcPair(link_, data_.PhaseSamples[i], data_.ReturnLossSamples[i]);
        const bool measured = link_.port.failedAccesses() == failuresBefore;
        data_.DdsWords[i] = measured ? word : kNotMeasuredWord;
        if (measured && correction_) {
            correction_(
                static_cast<double>(index) * freqStep_ + static_cast<double>(settings_.FMin),
                data_.ReturnLossSamples[i], data_.PhaseSamples[i]);
        }
    }
}

}  // namespace ravemo
