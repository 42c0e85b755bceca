#pragma once

namespace ravemo {

// What the aural indicator plays on top of its tone after a sweep.
enum class MatchBeep {
    None,
    Double,  // the SWR came below 2
    Triple,  // the SWR came below 1.5
};

// The match levels the beeps announce.
inline constexpr double kDoubleBeepBelowSwr = 2.0;
inline constexpr double kTripleBeepBelowSwr = 1.5;
// A level counts as left only once the SWR rises this share above it (2.10, 1.575): noise of a
// few hundredths around 2.0 beeps once, not at every sweep.
inline constexpr double kRearmShare = 0.05;

// The beep rules of the aural indicator, one call per sweep. The first SWR seen only sets where
// the SWR stands (a crossing needs a before); coming below 2 gives a double beep, below 1.5 a
// triple one (from above 2 straight to below 1.5: the triple alone).
class MatchBeeps {
  public:
    // `swr` of the sweep just made (NaN: none). `silenced`: Hold is ticked or port accesses
    // failed; such a sweep measured nothing, so it neither beeps nor moves the state.
    MatchBeep afterSweep(double swr, bool silenced);
    // Forget where the SWR stood (the tone was turned on, the target changed).
    void reset() { zone_ = Zone::Unknown; }

    // Where the SWR stands, better ones greater.
    enum class Zone { Unknown, AboveTwo, BelowTwo, BelowOneAndHalf };

  private:
    Zone zone_ = Zone::Unknown;
};

}  // namespace ravemo
