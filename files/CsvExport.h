#pragma once

#include <QByteArray>
#include <QLocale>

#include "files/VecFile.h"
#include "sweep/SweepData.h"

namespace ravemo {

// The text export (.csv) for spreadsheets, Latin-1, CR LF line ends:
//   "SAMPLE N°;RETURN LOSS;PHASE;DDS WORD;"
//   one line per index 1..Champ: " i ; r ; p ; w ;" (sign position, number, space, ";")
//   the two limits in MHz, the second at the start of the next 14-column print zone.
// Numbers use the locale's decimal separator, 7 significant digits for the floats, 15 for
// the tuning words, and no zero before the separator below 1.
QByteArray EncodeCsvExport(const SweepData& data, VecLimits limits, const QLocale& locale);

}  // namespace ravemo
