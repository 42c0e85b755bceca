#pragma once

#include <memory>
#include <optional>

#include <QString>

#include "instrument/LoadModel.h"

namespace ravemo {

// The short text forms of the simulated loads, for "--port sim:MODEL" and the settings' Port.
inline constexpr const char* kLoadModelForms =
    "dipole, dipole:<MHz> (e.g. dipole:7.1), resistor:<ohms> or r:<ohms>, open, short, "
    "rlc:r=<ohms>,l=<henries>,c=<farads> (e.g. rlc:r=50,l=1.2u,c=100p; suffixes p n u m k M), "
    "s1p:<path of a Touchstone .s1p file>";

// Either a model or an error saying what was wrong and what is allowed.
struct ParsedLoadModel {
    std::unique_ptr<LoadModel> model;
    QString error;
};

// Parses a load's text form. The model name is matched without regard to case; values keep
// their case ("m" milli, "M" mega). An empty text gives the default dipole.
ParsedLoadModel ParseLoadModel(const QString& text);

// A number with an optional engineering suffix (p n u m k M, and "meg" for mega), e.g.
// "1.2u" = 1.2e-6, "100p" = 1e-10; "4k7" is not accepted.
struct EngineeringNumber {
    std::optional<double> value;  // the finite number, when the text is one
    bool outOfRange = false;      // the text is a number, but beyond a double ("1e400", "1e308M")
};
EngineeringNumber ReadEngineeringNumber(const QString& text);

}  // namespace ravemo
