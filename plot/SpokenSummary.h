#pragma once

#include <optional>

#include <QString>

#include "analysis/AntennaAnalysis.h"

namespace ravemo {

// The essentials of an analysis as a sentence to be spoken: "Dip 7 point 1 6 megahertz, SWR 1
// point 4 6. Two to one band 330 kilohertz. Lengthen by 0 point 8 percent." The numbers are
// those the tables and the trim line show (Verdicts.h), spoken so that they are understood:
// the digits after the point one by one, trailing zeros dropped, units in words.
//
// The dip spoken of is the trim advice's with a target, else the deepest. Without a target
// there is no trim sentence; without a dip the sentence says where the lowest SWR lies or that
// there is none under `swrLimit`.
QString SpokenSummary(const AntennaAnalysis& analysis, bool sweepMade,
                      double swrLimit = kDefaultSwrLimit);

// The frequency of the dip SpokenSummary speaks of (or of the lowest SWR at an edge); none
// where it names none. Spoken updates follow it.
std::optional<double> SpokenDipHz(const AntennaAnalysis& analysis);

// A number's text as it is read out: "7.1600" -> "7 point 1 6", "14.0000" -> "14", "> 99" ->
// "more than 99", "∞" -> "infinite", "below 1.10" -> "below 1 point 1".
QString SpokenNumber(const QString& text);

}  // namespace ravemo
