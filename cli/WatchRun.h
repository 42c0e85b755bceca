#pragma once

#include <cstdint>
#include <optional>

#include <QString>

#include "analysis/AntennaAnalysis.h"
#include "cli/CliContext.h"
#include "common/Settings.h"
#include "watch/WatchAddresses.h"

namespace ravemo {

// What `ravemo-cli watch` was asked for, its arguments checked.
struct WatchRequest {
    double fromMHz = 0.0;
    double toMHz = 0.0;
    QString portChoice;
    ServeChoice serve;
    AnalysisOptions options;
    bool colourQr = false;  // the terminal shows ANSI colours
};

// Sweeps without end through the same engine as `sweep` and the window, and serves each sweep
// to the phone page until SIGINT or SIGTERM (or `stopAfterSweeps`, for tests). Prints the
// page's addresses with the token and the QR code of the first. Returns the exit status.
int RunWatch(const WatchRequest& request, const Settings& settings, CliContext& context,
             std::optional<std::uint64_t> stopAfterSweeps = std::nullopt);

}  // namespace ravemo
