// Moving one default-sized sweep (6001 points) of the simulated dipole, 1 to 50 MHz, to the
// antenna at the far end of 20 m of RG-58: the |G| correction and the line transform per point.

#include <benchmark/benchmark.h>

#include "analysis/FeedpointSamples.h"
#include "analysis/SweepSamples.h"
#include "bench/DipoleSweep.h"
#include "common/FeedlineText.h"

namespace ravemo {
namespace {

void BM_FeedlineCorrection(benchmark::State& state) {
    const AntennaSamples atAnalyser = SamplesFromSweep(bench::DipoleSweep(), 1);
    const Feedline line = *ParseFeedline(QStringLiteral("rg58:20")).line;
    for (auto _ : state) {
        FeedpointSamples fed = SamplesAtAntenna(atAnalyser, line);
        benchmark::DoNotOptimize(fed);
    }
}
BENCHMARK(BM_FeedlineCorrection)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ravemo
