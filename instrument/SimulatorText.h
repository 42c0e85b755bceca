#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include <QString>

#include "instrument/ImperfectBridge.h"
#include "instrument/LoadModel.h"
#include "instrument/SimulatedInstrument.h"

namespace ravemo {

// The options that may follow a simulated load, each ";key=value", in any order, each once.
inline constexpr const char* kSimulatorOptionForms =
    "line=TYPE:METRES (the load behind a feedline, e.g. line=rg58:20), noise=COUNTS (Gaussian "
    "converter noise, e.g. noise=2), seed=N (of the noise, default 1), tracking=DB0:DB30 "
    "(return loss read DB0 dB high at 0 Hz rising to DB30 at 30 MHz, e.g. tracking=0.5:1.5), "
    "phase=DEGREES:PERCENT (phase read that offset plus that share too high, e.g. phase=3:2), "
    "directivity=DB (bridge directivity, e.g. directivity=30)";

// A simulated instrument as its text describes it: the load (behind its feedline, if any), the
// noise when the text sets it, and the bridge's errors. No model means `error` says why.
struct ParsedSimulator {
    std::unique_ptr<LoadModel> model;
    std::optional<double> noiseSteps;
    std::optional<std::uint64_t> noiseSeed;
    BridgeErrors bridge;
    QString error;

    // The noise the text asks for, the rest taken from `otherwise`.
    SimulatedNoise noiseOr(SimulatedNoise otherwise) const {
        return {noiseSteps.value_or(otherwise.steps), noiseSeed.value_or(otherwise.seed)};
    }
    bool bridgeIsIdeal() const;
};

// Parses "MODEL[;OPTION...]" (the text after "sim:"): the load model as ParseLoadModel reads it,
// up to the first ';' (so a Touchstone path may hold ':' but not ';'), then the options. Unknown
// keys, repeated keys and bad values are refused with the option named and the forms allowed.
ParsedSimulator ParseSimulator(const QString& text);

}  // namespace ravemo
