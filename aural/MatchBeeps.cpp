#include "aural/MatchBeeps.h"

#include <cmath>

namespace ravemo {
namespace {

// The zone an SWR enters going down, and the zone it stands in going up (with the margin).
using Zone = MatchBeeps::Zone;

Zone ZoneEntered(double swr) {
    if (swr < kTripleBeepBelowSwr) return Zone::BelowOneAndHalf;
    return swr < kDoubleBeepBelowSwr ? Zone::BelowTwo : Zone::AboveTwo;
}

Zone ZoneLeftTo(double swr) {
    if (swr > kDoubleBeepBelowSwr * (1.0 + kRearmShare)) return Zone::AboveTwo;
    return swr > kTripleBeepBelowSwr * (1.0 + kRearmShare) ? Zone::BelowTwo : Zone::BelowOneAndHalf;
}

}  // namespace

MatchBeep MatchBeeps::afterSweep(double swr, bool silenced) {
    if (silenced || std::isnan(swr)) return MatchBeep::None;
    if (zone_ == Zone::Unknown) {
        zone_ = ZoneEntered(swr);
        return MatchBeep::None;
    }
    if (const Zone entered = ZoneEntered(swr); entered > zone_) {
        zone_ = entered;
        return zone_ == Zone::BelowOneAndHalf ? MatchBeep::Triple : MatchBeep::Double;
    }
    if (const Zone left = ZoneLeftTo(swr); left < zone_) zone_ = left;
    return MatchBeep::None;
}

}  // namespace ravemo
