#include <cstdint>

#include <benchmark/benchmark.h>
#include <QLocale>

#include "bench/DefaultChamp.h"
#include "files/CsvExport.h"
#include "files/TableExport.h"
#include "files/VecFile.h"
#include "sweep/SweepData.h"

namespace {

using namespace ravemo;

using bench::kDefaultChamp;

SweepData typicalSweep() {
    SweepData data(kDefaultChamp);
    for (std::int32_t i = 0; i <= kDefaultChamp; ++i) {
        const auto at = static_cast<std::size_t>(i);
        data.ReturnLossSamples[at] = static_cast<float>(i % 1024);
        data.PhaseSamples[at] = static_cast<float>((i * 7) % 1024);
        data.DdsWords[at] = 23860000.0 + 19482.5 * i;
    }
    return data;
}

// The save button's encode step for each format, default Champ.
void BM_EncodeVecFile(benchmark::State& state) {
    const SweepData data = typicalSweep();
    for (auto _ : state) benchmark::DoNotOptimize(EncodeVecFile(data, {1.0F, 50.0F}));
}
BENCHMARK(BM_EncodeVecFile)->Unit(benchmark::kMillisecond);

void BM_DecodeVecFile(benchmark::State& state) {
    const QByteArray bytes = EncodeVecFile(typicalSweep(), {1.0F, 50.0F});
    for (auto _ : state) benchmark::DoNotOptimize(DecodeVecFile(bytes, kDefaultChamp));
}
BENCHMARK(BM_DecodeVecFile)->Unit(benchmark::kMillisecond);

void BM_EncodeCsvExport(benchmark::State& state) {
    const SweepData data = typicalSweep();
    const QLocale locale(QLocale::German, QLocale::Germany);
    for (auto _ : state) benchmark::DoNotOptimize(EncodeCsvExport(data, {1.8F, 30.0F}, locale));
}
BENCHMARK(BM_EncodeCsvExport)->Unit(benchmark::kMillisecond);

void BM_EncodeSweepTable(benchmark::State& state) {
    const SweepData data = typicalSweep();
    for (auto _ : state) benchmark::DoNotOptimize(EncodeSweepTable(data, 1));
}
BENCHMARK(BM_EncodeSweepTable)->Unit(benchmark::kMillisecond);

}  // namespace
