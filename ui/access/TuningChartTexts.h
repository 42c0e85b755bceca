#pragma once

#include <optional>
#include <span>

#include <QLocale>
#include <QString>

#include "analysis/AntennaAnalysis.h"
#include "plot/FrequencyView.h"
#include "plot/TuningHistory.h"

namespace ravemo {

// The tuning window's pictures in words, for a screen reader.

// The range shown, each dip (frequency, SWR, 2:1 band), the lowest SWR where it lies at an edge
// of the sweep, and the trim advice towards the target.
QString TuningChartText(const FrequencyView& shown, const AntennaAnalysis& analysis,
                        const QLocale& locale);

// The impedance at the deepest dip, or that there is none.
QString SmithChartText(const AntennaAnalysis& analysis, const QLocale& locale);

// How many sweeps the history holds, and the first and the latest tuned frequency and SWR.
QString HistoryText(std::span<const HistoryPoint> points, const QLocale& locale);

}  // namespace ravemo
