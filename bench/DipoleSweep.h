#pragma once

#include <cstdint>

#include "bench/DefaultChamp.h"
#include "instrument/Dds.h"
#include "instrument/DipoleModel.h"
#include "instrument/SimulatedInstrument.h"
#include "sweep/SweepData.h"

namespace ravemo::bench {

// A default-sized sweep (6001 points) of the simulated dipole from 1 to 50 MHz: the readings
// the simulated instrument's converters give at every point.
inline SweepData DipoleSweep() {
    constexpr double kLowHz = 1e6;
    constexpr double kHighHz = 50e6;
    const DipoleModel dipole;
    SweepData data(kDefaultChamp);
    for (std::int32_t i = 0; i <= kDefaultChamp; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const double hz = kLowHz + (kHighHz - kLowHz) * i / kDefaultChamp;
        const ConverterReadings readings =
            ReadingsOfReflection(ReflectionOf(dipole.impedance(hz), kBridgeReferenceOhms));
        data.DdsWords[at] = TuningWord(hz);
        data.ReturnLossSamples[at] = static_cast<float>(readings.returnLoss);
        data.PhaseSamples[at] = static_cast<float>(readings.phase);
    }
    return data;
}

}  // namespace ravemo::bench
