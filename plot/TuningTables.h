#pragma once

#include <optional>
#include <vector>

#include <QLocale>
#include <QString>
#include <QStringList>

#include "analysis/AntennaAnalysis.h"
#include "analysis/AntennaSample.h"
#include "plot/Verdicts.h"

namespace ravemo {

// A table as text: the column heads (with their units) and the rows, every cell filled.
struct TextTable {
    QStringList heads;
    std::vector<QStringList> rows;
};

// The dips of `set`, deepest first: frequency (MHz), SWR, R, X (labelled "X (est.)" when its
// sign is estimated; "sign unknown" where it cannot be told), the 2:1 and 1.5:1 bandwidths (kHz)
// and Q. A bandwidth the dip does not reach shows "not reached", one with an edge beyond the
// sweep "> " the width from its known edge to the sweep's end; a missing Q says why in short.
// Numbers in `locale`.
TextTable DipTable(const std::vector<SwrDip>& dips, const AntennaSamples& set,
                   const QLocale& locale);

// The amateur bands the sweep meets: name, edges (MHz), lowest SWR and where, the share of
// the band's samples under SWR 2 and the share of the band swept.
TextTable BandTable(const std::vector<BandCoverage>& bands, const QLocale& locale);

// "7.0931 MHz series (Rs 72.1 Ω), 9.3 MHz parallel (Rs 2100 Ω)", or "none in the sweep".
QString ResonancesText(const std::vector<Resonance>& resonances, const QLocale& locale);

// One sample as the crosshair reads it: "7.1005 MHz  SWR 1.23  RL 19.8 dB  Rs 48.2 Ω  X (est.)
// +5.1 Ω  |Z| 48.5 Ω" ("X" without "(est.)" when the sign is measured; "12.0 Ω (sign unknown)"
// where it cannot be told).
QString SampleReadoutText(const AntennaSample& sample, ReactanceSign sign, const QLocale& locale);

// A frequency in MHz to the 100 Hz, as the tables show it: "7.0931".
QString TableMHz(double hz, const QLocale& locale);

}  // namespace ravemo
