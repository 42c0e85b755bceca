#pragma once

#include <cstdint>

#include "instrument/PortLink.h"
#include "support/RecordingPort.h"
#include "support/ScriptedPump.h"

namespace ravemo::test {

inline constexpr std::uint16_t kAddress1 = 888;

// A recording port and a scripted pump, linked at Address1.
struct PortRig {
    RecordingPort port;
    ScriptedPump pump;
    PortLink link{port, kAddress1, pump};
};

}  // namespace ravemo::test
