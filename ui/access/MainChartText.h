#pragma once

#include <QLocale>
#include <QString>

namespace ravemo {

class Measurement;
struct MainWindowControls;

// The main chart in words, for a screen reader: the range swept and its samples, the lowest
// SWR and where, the curves drawn, and each shown marker's frequency and readouts as the boxes
// show them. "No sweep yet." before the first sweep.
QString MainChartText(const Measurement& measurement, const MainWindowControls& controls,
                      const QLocale& locale);

}  // namespace ravemo
