#pragma once

#include <optional>

#include <QString>

#include "analysis/AntennaAnalysis.h"
#include "analysis/AntennaSample.h"
#include "analysis/FeedpointSamples.h"
#include "cli/CalibrationOption.h"
#include "cli/CliArguments.h"
#include "cli/CliContext.h"

namespace ravemo {

// The analysis options of a command that analyses one file (analyse, report), after their
// checks, or the status of the failure already reported.
struct AnalysisRequest {
    AnalysisOptions options;
    bool cable = false;
    std::optional<Feedline> feedline;  // --feedline: every figure at the antenna
    CalibrationOption calibration;     // applied to a sweep file's readings before the analysis
    std::optional<int> failure;
};

// Reads and checks the options `args` declares among --swr-limit, --dips, --region,
// --target-mhz, --cable, --velocity-factor and --feedline and --calibration, and that one file is
// named. `command` names the command in the messages.
AnalysisRequest ParseAnalysisRequest(CliArguments& args, const char* command, CliContext& context);

// The samples of FILE (.vec with the settings' Step, or .s1p), read as the analysis reads them,
// or the status of the failure already reported. With --cable and no --velocity-factor, the
// settings' InputVelFactor is put into `request`. With a feedline the samples are those at the
// antenna (SamplesAtAntenna), with the frequencies where it cannot be seen.
struct AnalysisInput {
    std::optional<AntennaSamples> set;
    std::vector<UnseenStretch> unseen;
    int status = kExitSuccess;
};
AnalysisInput ReadAnalysisInput(const QString& path, const QString& settingsPath,
                                AnalysisRequest& request, const char* command, CliContext& context);

}  // namespace ravemo
