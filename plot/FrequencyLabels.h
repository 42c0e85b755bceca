#pragma once

#include <QLocale>
#include <QString>

namespace ravemo {

// Decimals of a frequency in MHz that show every multiple of a 1-2-5 tick step in Hz: 100 Hz
// gives 4 (14.0001), 10 MHz gives 0 (20).
int MHzDecimalsForStep(double stepHz);

// A frequency in MHz with `decimals` decimals in `locale` (its decimal separator, no group
// separator): 14.2e6, 3 -> "14.200" (or "14,200").
QString MHzText(double hz, int decimals, const QLocale& locale);

// A value with `decimals` decimals in `locale`, without group separators and never "-0"; from
// 1e9 up, six significant digits with an exponent (4.5036e+15).
QString FixedText(double value, int decimals, const QLocale& locale);

}  // namespace ravemo
