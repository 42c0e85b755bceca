// The whole antenna analysis of one default-sized sweep (6001 points) of the simulated dipole
// from 1 to 50 MHz: samples with their estimated reactance signs, dips, resonances and bands.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "analysis/AntennaAnalysis.h"
#include "analysis/SweepSamples.h"
#include "bench/DipoleSweep.h"
#include "sweep/SweepData.h"

namespace ravemo {
namespace {

using bench::DipoleSweep;

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
