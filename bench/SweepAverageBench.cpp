// Folding one default-sized sweep (6001 points) into an average of 16: the work the averaging
// adds after every sweep.

#include <benchmark/benchmark.h>

#include "bench/DipoleSweep.h"
#include "sweep/SweepAverage.h"
#include "sweep/SweepData.h"

namespace ravemo {
namespace {

void BM_AverageSixteenSweeps(benchmark::State& state) {
    const SweepData sweep = bench::DipoleSweep();
    SweepData data = sweep;
    SweepAverage average;
    average.setDepth(16);
    for (auto _ : state) {
        // The engine overwrites the readings with the next sweep's before each fold.
        data.ReturnLossSamples = sweep.ReturnLossSamples;
        data.PhaseSamples = sweep.PhaseSamples;
        average.fold(data);
        benchmark::DoNotOptimize(data.ReturnLossSamples.data());
    }
}
BENCHMARK(BM_AverageSixteenSweeps)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ravemo
