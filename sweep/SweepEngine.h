#pragma once

#include <cstdint>
#include <functional>

#include <QLocale>

#include "common/Settings.h"
#include "instrument/Adc.h"
#include "instrument/Dds.h"
#include "instrument/PortLink.h"
#include "sweep/SweepControls.h"
#include "sweep/SweepData.h"

namespace ravemo {

// The yields of a tick: one at its start, and per swept point one before the point, one per
// word bit of the frame and, unless Hold skips the read, one per converter bit.
inline constexpr int kYieldsAtTickStart = 1;
inline constexpr int kYieldsPerPointHeld = 1 + kWordBitsSent;
inline constexpr int kYieldsPerPointWithRead = kYieldsPerPointHeld + kConverterBits;

// The sweep tick: the timer handler that reads the limits, refreshes the marker readouts from
// the previous sweep, walks every Step-th sample index loading the synthesiser and reading the
// converters, and finally has the curves redrawn. Each point read gets its tuning word, or
// kNotMeasuredWord (sweep/SweepData.h) when port accesses failed while it was read; a point not
// read (Hold) keeps the word of its reading, whatever the limits now say.
//
// Re-entrancy: the tick yields through link.pump at its start, before every point and inside
// every frame load and converter read. Other handlers run there and may change anything on
// the controls or in the arrays; values are read at the moment of use. A tick() called from
// inside one of those yields returns at once without touching the port (ticks never nest).
//
// Closing: when the pump's yield() throws SweepCancelled (common/SweepCancelled.h), the tick
// ends on the spot: no further port access, no redraw. The exception does not leave tick().
// The main window's close handler asks its pump to cancel (QtEventPump::requestCancel()); the
// yield that ran the close handler then throws.
//
// Preconditions (checked, std::invalid_argument): Settings.Champ >= 1, Settings.Step >= 1 and
// data holding indices 0..Champ. The start-up rejects other settings with a message first.
class SweepEngine {
  public:
    SweepEngine(Settings& settings, SweepData& data, SweepControls& controls, PortLink link,
                SweepRedraw& redraw, const QLocale& locale);

    // One sweep tick. Safe to call at any time; nested calls are refused.
    void tick();

    // Told at every tick, once the limits are read, what the status strip should say about
    // them: RangeNotice (sweep/ReachableRange.h), empty while the synthesiser reaches both.
    using RangeNoticeListener = std::function<void(const QString& notice)>;
    void onRangeNotice(RangeNoticeListener listener) { rangeNoticeListener_ = std::move(listener); }

    // Asked at every tick, once the limits are read, how to correct the readings this tick
    // takes from `lowHz` to `highHz`: each point read is handed to the correction (its
    // frequency and its two raw readings, corrected in place) before anything is derived from
    // it. An empty correction leaves the readings as read; held readings are never handed over.
    using ReadingCorrection = std::function<void(double hz, float& returnLossRaw, float& phaseRaw)>;
    using CorrectionProvider = std::function<ReadingCorrection(double lowHz, double highHz)>;
    void onCorrection(CorrectionProvider provider) { correctionProvider_ = std::move(provider); }

    // Hz per sample index of the latest tick; 0 until the first tick.
    double FreqStep() const { return freqStep_; }
    // Sample indices of the two markers as the latest tick placed them; 0 until the first tick.
    std::int32_t Mk1Index() const { return mk1Index_; }
    std::int32_t Mk2Index() const { return mk2Index_; }
    // True while a tick runs (also seen by handlers running inside its yields).
    bool ticking() const { return ticking_; }

  private:
    void runTick();
    void readLimits();
    void refreshMarkerReadouts();
    void sweepPoints();

    Settings& settings_;
    SweepData& data_;
    SweepControls& controls_;
    PortLink link_;
    SweepRedraw& redraw_;
    QLocale locale_;
    double freqStep_ = 0.0;
    std::int32_t mk1Index_ = 0;
    std::int32_t mk2Index_ = 0;
    bool ticking_ = false;
    RangeNoticeListener rangeNoticeListener_;
    CorrectionProvider correctionProvider_;
    ReadingCorrection correction_;
};

}  // namespace ravemo
