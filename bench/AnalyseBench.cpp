// The whole antenna analysis of one default-sized sweep (6001 points) of the simulated dipole
// from 1 to 50 MHz: samples with their estimated reactance signs, dips, resonances and bands.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "analysis/AntennaAnalysis.h"
#include "analysis/SweepSamples.h"
#include "instrument/Dds.h"
#include "instrument/DipoleModel.h"
#include "instrument/SimulatedInstrument.h"
#include "sweep/SweepData.h"

namespace ravemo {
namespace {

constexpr std::int32_t kDefaultChamp = 6000;
constexpr double kLowHz = 1e6;
constexpr double kHighHz = 50e6;

// The readings the simulated instrument's converters give at every point.
SweepData DipoleSweep() {
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

void BM_Analyse(benchmark::State& state) {
    const SweepData data = DipoleSweep();
    const AnalysisOptions options;
    for (auto _ : state) {
        const AntennaSamples set = SamplesFromSweep(data, 1);
        AntennaAnalysis analysis = AnalyseAntenna(set, options);
        benchmark::DoNotOptimize(analysis);
    }
}
BENCHMARK(BM_Analyse)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ravemo
