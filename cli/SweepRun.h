#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include <QFile>
#include <QString>

#include "cli/CalibrationOption.h"
#include "cli/CliContext.h"
#include "cli/SweepOutput.h"
#include "common/Settings.h"
#include "instrument/PortChoice.h"
#include "instrument/TracingPort.h"
#include "sweep/PlainSweepControls.h"
#include "sweep/SweepData.h"

namespace ravemo {

// What `ravemo-cli sweep` was asked for, its arguments checked.
struct SweepRequest {
    double fromMHz = 0.0;
    double toMHz = 0.0;
    int sweeps = 1;
    int average = 1;  // the output is the average of the last this many sweeps
    bool hold = false;
    QString portChoice;
    bool trace = false;
    QString tracePath;
    QString outputPath;  // empty: no file
    std::optional<OutputFormat> format;
    CalibrationOption calibration;  // corrects the readings before they are written
};

// One run of the sweep command, step by step. Each step reports its own failure on the
// context's error stream and gives the exit status to end with; nothing means go on.
class SweepRun {
  public:
    SweepRun(const SweepRequest& request, const Settings& settings, CliContext& context);

    std::optional<int> openPort();
    std::optional<int> startTrace();
    // Clears the synthesiser and runs the engine `sweeps` times over the requested range.
    std::optional<int> sweep();
    // Refuses a run that measured nothing, then writes the output file if one was asked for.
    std::optional<int> write();
    // The summary line on the output stream.
    void report();

  private:
    std::optional<int> finishTrace();

    SweepRequest request_;
    Settings settings_;
    CliContext& context_;
    OpenedPort opened_;
    QFile traceFile_;
    std::unique_ptr<TracingPort> tracing_;
    SweepData data_;
    PlainSweepControls controls_;
    std::int64_t points_ = 0;
    std::int64_t measured_ = 0;
};

}  // namespace ravemo
