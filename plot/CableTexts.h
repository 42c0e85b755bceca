#pragma once

#include <QLocale>
#include <QString>

#include "analysis/CableMeasurement.h"

namespace ravemo {

// The cable tools' findings in words, one phrasing for the Cable window and the command line,
// in the manner of the antenna verdicts (Verdicts.h). Numbers in `locale`.

// "open" or "shorted".
QString CableEndName(CableEnd end);

// One band's loss: "40m   7.1000 MHz   1.23 dB" (the band left blank for a fallback frequency).
QString LossAtFrequencyText(const LossAtFrequency& loss, const QLocale& locale);

// The loss fit over the whole line and, where the length is known, per 100 m with the nearest
// catalogue type: "one-way loss 0.32 √f + 0.0050 f dB (f in MHz); per 100 m 1.37 √f + 0.0213 f,
// nearest RG-58 (50 ohm, VF 0.66)"; or why there is none.
QString LossFitText(const CableMeasurement& m, const QLocale& locale);

// The velocity factor and the length, and what they come from: "velocity factor 0.660 from the
// length 23.40 m: 13 resonances, every 2.1144 MHz", or why they could not be had.
QString VelocityAndLengthText(const CableMeasurement& m, const QLocale& locale);

// A peak of the distance-to-fault response: "23.41 m  +0.58  the open end", "10.02 m  -0.19
// impedance falls (a short, a lower-impedance section)".
QString FaultText(const CableMeasurement& m, std::size_t peak, const QLocale& locale);

// "resolution 6.8 m (twice the 3.4 m of an unwindowed transform: Hann window), range 5117 m";
// or why there is no response (no velocity factor).
QString ResolutionText(const CableMeasurement& m, const QLocale& locale);

// The distance-to-fault plot in words, for a screen reader: the distance shown, each marked
// reflection (distance, signed size, what it is) and the resolution; the plot's own sentence
// where there is no response.
QString DistanceToFaultText(const CableMeasurement& m, const QLocale& locale);

// All of it, one finding a line: the loss per band and its fit, the VF and the length, the
// resolution and the faults.
QString CableFindingsText(const CableMeasurement& m, const QLocale& locale);

}  // namespace ravemo
