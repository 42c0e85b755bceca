#pragma once

#include <optional>

#include <QString>

#include "common/LineTransform.h"

namespace ravemo {

// The short text of a feedline, as "line=" in a simulated port and "--feedline" take it:
// "TYPE:METRES" with a catalogue type ("rg58:20"), or a user's own line
// "user:METRES:OHMS:VF:MHZ1:DB1:MHZ2:DB2" (matched loss in dB per 100 m at two frequencies).
inline constexpr const char* kFeedlineForms =
    "TYPE:METRES with TYPE one of rg58, rg8x, rg213, lmr400, rg174, twin300, ladder450 (e.g. "
    "rg58:20), or user:METRES:OHMS:VF:MHZ1:DB1:MHZ2:DB2 (matched loss in dB per 100 m at two "
    "frequencies)";

// Lengths from 0 up to this are taken: beyond, no HF measurement sees anything.
inline constexpr double kLongestFeedlineM = 10'000.0;

struct ParsedFeedline {
    std::optional<Feedline> line;
    QString error;  // what is wrong and what is allowed, when there is no line
};

ParsedFeedline ParseFeedline(const QString& text);

}  // namespace ravemo
