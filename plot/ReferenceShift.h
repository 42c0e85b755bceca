#pragma once

#include <QLocale>
#include <QString>

#include "plot/TuningHistory.h"

namespace ravemo {

// How the tuned frequency and the lowest SWR moved since the reference, as the user reads it:
// "resonance +85 kHz since reference" (or "resonance unchanged since reference") and "lowest
// SWR 1.46, was 1.62", joined by "; ". The
// frequency is "resonance" when both are resonances, else "dip" (see HistoryPointOf); a
// frequency that only one of them has is named on its own ("no resonance now, was 7.0931
// MHz"). Numbers in `locale`.
QString ReferenceShiftText(const HistoryPoint& now, const HistoryPoint& reference,
                           const QLocale& locale);

// A frequency change with its sign in Hz, kHz or MHz by its size: "+350 Hz", "-85 kHz",
// "+1.2 kHz", "+1.250 MHz".
QString FrequencyShiftText(double deltaHz, const QLocale& locale);

}  // namespace ravemo
