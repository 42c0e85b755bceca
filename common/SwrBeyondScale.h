#pragma once

#include <cmath>
#include <optional>

#include <QString>

namespace ravemo {

// Above this SWR (|G| = 0.98) the converters cannot tell one value from another, and near
// |G| = 1 the number is a rounding artefact (18014398509482000 at |G| = 1 - 2^-53).
inline constexpr double kHighestShownSwr = 99.0;

// The text of an SWR no number describes: "∞" when it is infinite, "> 99" above
// kHighestShownSwr; nothing for an SWR that is shown as a number.
inline std::optional<QString> SwrBeyondScale(double swr) {
    if (std::isinf(swr)) return QStringLiteral("\u221E");
    if (swr > kHighestShownSwr) return QStringLiteral("> 99");
    return std::nullopt;
}

}  // namespace ravemo
