// Software cost of one whole sweep tick (6001 points) with a port that costs nothing, the
// program's event pump and a redraw that does nothing: what the program adds to the port time.

#include <benchmark/benchmark.h>

#include <cstdint>

#include <QCoreApplication>
#include <QLocale>

#include "bench/DefaultChamp.h"
#include "common/QtEventPump.h"
#include "common/Settings.h"
#include "instrument/PortIo.h"
#include "instrument/PortLink.h"
#include "sweep/ChartDesign.h"
#include "sweep/SweepControls.h"
#include "sweep/SweepData.h"
#include "sweep/SweepEngine.h"

namespace ravemo {
namespace {

constexpr std::uint16_t kDataAddress = 888;

class NullPort final : public PortIo {
  public:
    void write(std::uint16_t, std::uint8_t) override {}
    std::uint8_t read(std::uint16_t) override { return 0; }
};

class NoRedraw final : public SweepRedraw {
  public:
    void redraw() override {}
};

// The window as it stands after start-up, sweeping 1 to 50 MHz.
class IdleControls final : public SweepControls {
  public:
    QString lowerLimitText() const override { return QStringLiteral("1"); }
    QString upperLimitText() const override { return QStringLiteral("50"); }
    void setLowerLimitText(const QString&) override {}
    void setUpperLimitText(const QString&) override {}
    int fullSweepValue() const override { return 0; }
    int holdValue() const override { return 0; }
    QString offsetText() const override { return QStringLiteral("0"); }
    float markerLineX(int marker) const override {
        return static_cast<float>(marker == 1 ? kMarker1StartTwips : kMarker2StartTwips);
    }
    double chartWidth() const override { return kChartWidthTwips; }
    QString readoutText(Readout readout) const override { return texts_[index(readout)]; }
    void setReadoutText(Readout readout, const QString& text) override {
        texts_[index(readout)] = text;
    }
    int singleMarkerValue() const override { return 1; }
    void setSecondMarkerVisible(bool) override {}

  private:
    static std::size_t index(Readout readout) { return static_cast<std::size_t>(readout); }
    QString texts_[kReadoutCount];
};

// processEvents needs an application object; the benchmark program has none of its own.
void ensureApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    static int argc = 1;
    static char name[] = "ravemo-bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

void runSweepTicks(benchmark::State& state, QtEventPump::Pace pace) {
    ensureApplication();
    Settings settings;
    settings.Champ = bench::kDefaultChamp;
    settings.Step = 1;
    settings.FMin = 1e6F;
    settings.FMax = 50e6F;
    SweepData data(bench::kDefaultChamp);
    IdleControls controls;
    NullPort port;
    QtEventPump pump(pace);
    NoRedraw redraw;
    SweepEngine engine(settings, data, controls, PortLink{port, kDataAddress, pump}, redraw,
                       QLocale(QLocale::English, QLocale::UnitedStates));
    for (auto _ : state) {
        engine.tick();
    }
    // Seconds per sweep and per point (shown with SI prefixes: m = ms, u = us).
    const auto perIteration =
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert;
    state.counters["s_per_sweep"] = benchmark::Counter(1.0, perIteration);
    state.counters["s_per_point"] =
        benchmark::Counter(static_cast<double>(bench::kDefaultChamp + 1), perIteration);
}

void BM_SweepTick(benchmark::State& state) { runSweepTicks(state, QtEventPump::Pace::Throttled); }
BENCHMARK(BM_SweepTick)->Unit(benchmark::kMillisecond);

void BM_SweepTickYieldEveryTime(benchmark::State& state) {
    runSweepTicks(state, QtEventPump::Pace::EveryYield);
}
BENCHMARK(BM_SweepTickYieldEveryTime)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ravemo
