// The phone page's message of one default-sized sweep (6001 points) of the simulated dipole from
// 1 to 50 MHz with a target: the analysis it carries, the chart thinned to its points, the JSON.
// Made once per sweep and sent to every phone watching.

#include <benchmark/benchmark.h>

#include "analysis/AntennaAnalysis.h"
#include "analysis/SweepSamples.h"
#include "bench/DipoleSweep.h"
#include "sweep/SweepData.h"
#include "watch/WatchMessage.h"

namespace ravemo {
namespace {

void BM_WatchMessage(benchmark::State& state) {
    const SweepData data = bench::DipoleSweep();
    AnalysisOptions options;
    options.targetHz = 7.1e6;
    const AntennaSamples set = SamplesFromSweep(data, 1);
    const AntennaAnalysis analysis = AnalyseAntenna(set, options);
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray message =
            WatchMessageJson(WatchSnapshot{QStringLiteral("simulated instrument"),
                                           true,
                                           WatchDataState::Live,
                                           QString(),
                                           1,
                                           set,
                                           analysis,
                                           options,
                                           {},
                                           false});
        bytes = message.size();
        benchmark::DoNotOptimize(message.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WatchMessage)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ravemo
