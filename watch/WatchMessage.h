#pragma once

#include <cstdint>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "analysis/AntennaAnalysis.h"
#include "analysis/AntennaSample.h"

namespace ravemo {

// What the readings on the page are.
enum class WatchDataState {
    Live,        // measured by the latest sweep
    Held,        // Hold is on: the last readings, not measured again
    PortFailed,  // port accesses failed in the latest sweep: the readings are not a measurement
};

// One sweep as the page shows it. The references must outlive the call that builds the message.
struct WatchSnapshot {
    QString source;  // the back end, e.g. "simulated instrument (dipole ...)"
    bool simulated = false;
    WatchDataState state = WatchDataState::Live;
    QString notice;  // what the program's status line says besides the back end; may be empty
    std::uint64_t sweep = 0;  // counts the sweeps, so the page sees that it updates
    const AntennaSamples& set;
    const AntennaAnalysis& analysis;
    const AnalysisOptions& options;
    // The bands the page may ask to sweep; empty unless the user allowed the page's commands.
    QStringList bandChoices;
    bool commandsAllowed = false;
};

// The chart is thinned to at most this many points; the message stays far below
// kMostWatchMessageBytes whatever the sweep.
inline constexpr int kMostChartPoints = 200;
inline constexpr qsizetype kMostWatchMessageBytes = 64 * 1024;

// The live channel's message: one compact JSON object. Keys shared with `ravemo-cli analyse
// --json` mean the same there ("source", "points", "from_hz", "to_hz", "reactance_sign",
// "dips", "lowest_swr_at_edge", "bands", "trim"); the page's own:
//   "format"      "ravemo-watch-1"
//   "sweep"       the sweep's number, counting up
//   "state"       "live", "held" or "port_failed"
//   "simulated"   true when the simulated instrument made the readings
//   "notice"      the status line's warnings, "" when there are none
//   "swr_limit"   the SWR of the dips' edges (2)
//   "target_hz"   the trim target, null without one
//   "at_target"   {"frequency_hz","swr"} of the sample nearest the target, null without a
//                 target inside the sweep
//   "lowest"      {"frequency_hz","swr"} of the sweep's lowest SWR, null without samples
//   "chart"       {"frequency_hz":[...],"swr":[...]}: the curve, each of at most
//                 kMostChartPoints spans of the sweep shown by its lowest SWR (null where
//                 infinite)
//   "commands"    {"allowed":bool,"band_choices":[names]}
// "trim" is there only with a target.
QByteArray WatchMessageJson(const WatchSnapshot& snapshot);

}  // namespace ravemo
