// The distance-to-fault transform of one default-sized sweep (6001 points, 1 to 50 MHz), and
// the whole cable measurement around it (loss, resonances, transform). The transform must stay
// within 2 ms.

#include <benchmark/benchmark.h>

#include "analysis/CableMeasurement.h"
#include "analysis/DistanceToFault.h"
#include "analysis/SweepSamples.h"
#include "bench/DipoleSweep.h"

namespace ravemo {
namespace {

void BM_DistanceToFault(benchmark::State& state) {
    const AntennaSamples set = SamplesFromSweep(bench::DipoleSweep(), 1);
    for (auto _ : state) {
        DistanceResponse response = DistanceToFault(set.samples, 0.66);
        benchmark::DoNotOptimize(response);
    }
}
BENCHMARK(BM_DistanceToFault)->Unit(benchmark::kMicrosecond);

void BM_CableMeasurement(benchmark::State& state) {
    const AntennaSamples set = SamplesFromSweep(bench::DipoleSweep(), 1);
    const CableQuestion question{CableEnd::Open, std::nullopt, 0.66, 1};
    for (auto _ : state) {
        CableMeasurement measured = MeasureCable(set.samples, question);
        benchmark::DoNotOptimize(measured);
    }
}
BENCHMARK(BM_CableMeasurement)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ravemo
