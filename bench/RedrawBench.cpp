#include <cstdint>

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QString>

#include "bench/DefaultChamp.h"
#include "common/EventPump.h"
#include "common/Settings.h"
#include "sweep/SweepData.h"
#include "ui/chart/ChartWidget.h"
#include "ui/chart/CurveControls.h"
#include "ui/chart/CurveDrawing.h"

namespace {

using namespace ravemo;

// All six curves on, offset 0.
class AllCurvesOn final : public CurveControls {
  public:
    int curveSwitchValue(CurveSwitch) const override { return 1; }
    QString offsetText() const override { return offset_; }
    void setSweepTimeText(const QString&) override {}

  private:
    QString offset_ = QStringLiteral("0");
};

// The chart is a widget: it needs a QApplication, made before any other benchmark can make a
// plain QCoreApplication (which could not host widgets). Headless unless told otherwise.
bool makeGuiApplication() {
    if (QCoreApplication::instance() != nullptr) return true;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "ravemo-bench";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return true;
}
const bool kGuiApplicationMade = makeGuiApplication();

// A sweep over a resonance, so the curves move across the chart as they do on an aerial.
void fillReadings(SweepData& data) {
    const auto count = data.ReturnLossSamples.size();
    for (std::size_t i = 0; i < count; ++i) {
        const auto phase = static_cast<float>((i * 7) % 1024);
        data.PhaseSamples[i] = phase;
        data.ReturnLossSamples[i] = static_cast<float>(200 + (i * 13) % 300);
    }
}

void BM_Redraw(benchmark::State& state) {
    if (!kGuiApplicationMade ||
        qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        state.SkipWithError("the chart needs a QApplication");
        return;
    }
    Settings settings;
    settings.Champ = bench::kDefaultChamp;
    settings.Step = 1;
    settings.colorS1 = 255.0F;
    settings.colorS2 = 65280.0F;
    settings.colorS3 = 16711680.0F;
    settings.colorS4 = 65535.0F;
    settings.colorS5 = 16711935.0F;
    settings.colorS6 = 0.0F;
    SweepData data(bench::kDefaultChamp);
    fillReadings(data);
    ChartWidget chart{TwipsScale(96.0)};
    AllCurvesOn controls;
    NullEventPump pump;
    CurveDrawing drawing(chart, controls, data, settings, pump,
                         static_cast<float>(chart.widthTwips() / bench::kDefaultChamp),
                         QLocale(QLocale::English, QLocale::UnitedStates));
    for (auto _ : state) {
        drawing.redraw();
        benchmark::DoNotOptimize(chart.curveBuffer().constBits());
    }
    state.SetItemsProcessed(state.iterations() * (bench::kDefaultChamp + 1));
}
BENCHMARK(BM_Redraw)->Unit(benchmark::kMillisecond);

}  // namespace
