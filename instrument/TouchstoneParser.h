#pragma once

#include <vector>

#include <QString>

#include "instrument/TouchstoneModel.h"

namespace ravemo {

// The comment line with which Ravemo's own export says that the signs of its angles were
// estimated (the instrument measures |phase| only), not measured.
inline constexpr const char* kEstimatedSignsComment =
    "! Ravemo: the sign of each angle is estimated from |phase|, positive where unknown";

// The points and the reference resistance of a one-port Touchstone text, or an error.
struct TouchstoneParse {
    std::vector<TouchstoneModel::Point> points;  // strictly increasing frequencies, at least one
    double referenceOhms = 0.0;
    QString error;                // "line N: what is wrong", empty on success
    bool signsEstimated = false;  // the file holds the kEstimatedSignsComment line
};

// Reads one-port Touchstone text in either version:
//  - version 1: comment lines ("!"), the option line "# <unit> S <format> R <ohms>", then one
//    "frequency value value" line per point;
//  - version 2.x: "[Version] 2.0", "[Number of Ports] 1", optional "[Number of Frequencies] N",
//    "[Reference] ohms" (also on the next line), "[Matrix Format]", the option line, then
//    "[Network Data]", the data lines and "[End]". Keywords match without regard to case.
// Line ends may be LF, CRLF or CR alone. Files of more ports, noise data and other keywords
// are refused by name; so are numbers that give no finite frequency or reflection, a negative
// magnitude in MA format and an option line after the data.
TouchstoneParse ParseTouchstone(const QString& text);

}  // namespace ravemo
