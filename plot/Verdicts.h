#pragma once

#include <optional>

#include <QLocale>
#include <QString>

#include "analysis/AntennaAnalysis.h"
#include "analysis/AntennaSample.h"
#include "analysis/FeedpointSamples.h"

namespace ravemo {

// The analysis's verdicts in words, one phrasing for the tuning window, the command line's
// text and the report, so the three never disagree. Numbers in `locale`; frequencies in MHz
// to the 100 Hz.

// An SWR near the match shows two decimals (1.46) in the tables, the history and the shifts.
inline constexpr int kSwrDecimals = 2;
// Bandwidths show to the 100 Hz, in kHz.
inline constexpr int kBandwidthKHzDecimals = 1;
// The trim advice's change of length shows to a tenth of a percent.
inline constexpr int kTrimPercentDecimals = 1;

// An SWR: two decimals near the match, one above 10, "> 99" and "∞" beyond (SwrBeyondScale).
QString SwrText(double swr, const QLocale& locale);

// A sample's SWR: "below 1.10" (the floor's SWR) where its reading came within the calibration's
// directivity floor, else SwrText.
QString SampleSwrText(const AntennaSample& sample, const QLocale& locale);

// Ohms with the decimals that matter: a tenth near 50, none from 100; "–" for an unknown (NaN)
// value, as an impedance at the antenna is where the sign of X is not known.
QString OhmsText(double ohms, const QLocale& locale);

// A reactance as its sign state allows: "+5.1", "-12.0", or "12.0 (sign unknown)", with `unit`
// (" Ω", " ohm") after the number: "12.0 Ω (sign unknown)"; "unknown" where not even |X| is
// known (NaN: at the antenna, behind a sign the analyser could not tell).
QString ReactanceText(const AntennaSample& sample, const QLocale& locale, const QString& unit = {});

// The heading of a reactance: "X (est.)" for estimated signs, "X" for measured ones.
QString ReactanceLabel(ReactanceSign setSign);

// How the set's signs are known: "measured", or "estimated from |phase|; unknown where the
// readings cannot tell (shown as "sign unknown")".
QString SignStateText(ReactanceSign setSign);

// A dip's band under `level` (2 or 1.5): "from 7.0512 to 7.1480 MHz (96.8 kHz)", "from
// 18.0518 MHz to beyond 18.1700 MHz", "from below 3.5000 MHz to 3.6120 MHz", or "not reached".
// The sweep's ends name what lies beyond.
QString BandText(const SwrDip& dip, double level, const std::optional<SwrEdges>& edges,
                 double sweepLowHz, double sweepHighHz, const QLocale& locale);

// A dip's Q, or why it has none: "Q 12.3", "Q unknown: the 2:1 band's edge lies outside the
// sweep".
QString QText(const SwrDip& dip, const QLocale& locale);

// The lowest SWR at an edge of the sweep: "the lowest SWR (2.41) is at the lower edge, 6.9000
// MHz: sweep lower".
QString EdgeText(const SwrAtEdge& low, const QLocale& locale);

// Where the figures stand, for a view's label: "at the analyser" or "at the antenna".
QString PlaneWords(ReferencePlane plane);

// The feedline the figures are moved through, and where the antenna cannot be seen through
// it: "at the antenna, through 20 m of RG-58 (50 ohm, VF 0.66); the antenna cannot be seen
// through it from 3.0000 to 5.2000 MHz (the return loss there lies within twice the cable's
// loss)".
QString FeedpointText(const Feedline& line, const std::vector<UnseenStretch>& unseen,
                      const QLocale& locale);

// The size of a trim advice's change of length, "3.9" (percent, without the sign); none where it
// rounds to no change.
std::optional<QString> TrimAmountText(double lengthChangePercent, const QLocale& locale);

// The trim advice: "the dip at 13.6500 MHz: make the element 3.9% shorter", "...: no change
// needed", the edge text, or "no SWR dip under 2.00 in the sweep".
QString TrimText(const TrimAdvice& trim, double swrLimit, const QLocale& locale);

// "Trim for 14.2000 MHz: " and the advice.
QString TrimSentence(const TrimAdvice& trim, double swrLimit, const QLocale& locale);

}  // namespace ravemo
