// What tuning by ear costs: the port accesses of one fast tuning sweep (the real port's time is
// these accesses times its access time: about 1 to 2 µs on a motherboard port) and the program's
// time to make one buffer of the aural tone.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "aural/ToneGenerator.h"
#include "bench/DefaultChamp.h"
#include "common/EventPump.h"
#include "instrument/Adc.h"
#include "instrument/Dds.h"
#include "instrument/PortIo.h"
#include "instrument/PortLink.h"
#include "ui/aural/FastSweep.h"

namespace ravemo {
namespace {

constexpr std::uint16_t kFastSweepDataAddress = 888;

class CountingPort final : public PortIo {
  public:
    void write(std::uint16_t, std::uint8_t) override { ++accesses; }
    std::uint8_t read(std::uint16_t) override {
        ++accesses;
        return 0;
    }
    std::int64_t accesses = 0;
};

// One fast sweep around 7.1 MHz as the sweep engine makes it: a frame and a converter read at
// each of its points.
void BM_FastSweepPortAccesses(benchmark::State& state) {
    const SweepLimitsHz limits = FastSweepLimits(7.1e6);
    const int stride = FastSweepStride(bench::kDefaultChamp);
    const int points = bench::kDefaultChamp / stride + 1;
    CountingPort port;
    NullEventPump pump;
    const PortLink link{port, kFastSweepDataAddress, pump};
    float phase = 0.0F;
    float returnLoss = 0.0F;
    std::int64_t sweeps = 0;
    for (auto _ : state) {
        for (int i = 0; i < points; ++i) {
            const double hz = limits.lowHz + (limits.highHz - limits.lowHz) * i / (points - 1);
            DdsLoadWord(link, TuningWord(hz));
            ReadAdcPair(link, phase, returnLoss);
        }
        ++sweeps;
    }
    state.counters["points"] = points;
    state.counters["port_accesses_per_sweep"] =
        static_cast<double>(port.accesses) / static_cast<double>(sweeps);
}
BENCHMARK(BM_FastSweepPortAccesses)->Unit(benchmark::kMicrosecond);

// One 60 ms buffer of the tone at 48 kHz while its pitch glides.
void BM_ToneBuffer(benchmark::State& state) {
    constexpr int kRateHz = 48000;
    ToneGenerator tone(kRateHz);
    std::array<std::int16_t, kRateHz * 60 / 1000> buffer{};
    double pitch = 300.0;
    for (auto _ : state) {
        pitch = pitch > 1400.0 ? 300.0 : pitch + 50.0;
        tone.setPitchHz(pitch);
        tone.render(buffer);
        benchmark::DoNotOptimize(buffer.data());
    }
}
BENCHMARK(BM_ToneBuffer)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ravemo
