#pragma once

#include "analysis/AmateurBands.h"
#include "analysis/SwrDips.h"

namespace ravemo {

// Sweep limits the tuning window writes into the main window's limit boxes.
struct SweepLimitsHz {
    double lowHz = 0.0;
    double highHz = 0.0;
    bool operator==(const SweepLimitsHz&) const = default;
};

// Around a dip: its 2:1 band with half the band's width added on each side, so the whole dip
// and its shoulders fill the chart. A dip without a 2:1 band (its bottom above SWR 2, or an
// edge beyond the sweep) gets kDipSpanWithoutBand of its frequency on each side.
inline constexpr double kDipSpanWithoutBand = 0.05;
// Around a band: its edges with half its width added on each side, so the band fills the middle
// half of the chart and an antenna resonant just outside it still shows.
//
// Every side gets at least kSmallestMarginHz (the 60 m band is a few kHz wide in places).
inline constexpr double kSmallestMarginHz = 5'000.0;
// The limits are rounded outwards to a 1-2-5 step of about this share of their span, so the
// boxes read "6.89" rather than "6.89123456789".
inline constexpr double kLimitRoundingShare = 0.01;

SweepLimitsHz LimitsAroundDip(const SwrDip& dip);
SweepLimitsHz LimitsAroundBand(const AmateurBand& band);

// `low` to `high` rounded outwards and clamped to what the synthesiser makes (0 to
// kReachableTopMHz); the lower limit stays below the upper one.
SweepLimitsHz RoundedReachableLimits(double lowHz, double highHz);

}  // namespace ravemo
