// One redraw of the tuning window for a fresh sweep: the antenna analysis of a default-sized
// sweep (6001 points) of the simulated dipole from 1 to 50 MHz, then the tuning chart (SWR and
// X (est.), bands, dips) and the Smith chart painted side by side into a 1200x800 image.

#include <benchmark/benchmark.h>

#include <cstdint>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "analysis/AntennaAnalysis.h"
#include "analysis/SweepSamples.h"
#include "bench/DipoleSweep.h"
#include "plot/SmithChartPainter.h"
#include "plot/TuningChartPainter.h"
#include "plot/TuningScene.h"
#include "sweep/SweepData.h"

namespace ravemo {
namespace {

using bench::DipoleSweep;

constexpr int kImageWidth = 1200;
constexpr int kImageHeight = 800;
constexpr double kChartShare = 0.64;  // of the width; the Smith chart has the rest

// Fonts need a GUI application. Made when the benchmark runs, after the widget benchmarks'
// static QApplication (a QGuiApplication itself) if there is one.
void EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "ravemo-bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

void BM_TuningRedraw(benchmark::State& state) {
    EnsureGuiApplication();
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        state.SkipWithError("the painters need a QGuiApplication");
        return;
    }
    const SweepData data = DipoleSweep();
    const AnalysisOptions options;
    TuningViewChoices choices;
    choices.rightAxis = RightAxisQuantity::Reactance;
    const PlotStyle style;
    QImage image(kImageWidth, kImageHeight, QImage::Format_ARGB32_Premultiplied);
    const QRectF chartRect(0.0, 0.0, kImageWidth * kChartShare, kImageHeight);
    const QRectF smithRect(chartRect.right(), 0.0, kImageWidth - chartRect.width(), kImageHeight);
    for (auto _ : state) {
        const AntennaSamples set = SamplesFromSweep(data, 1);
        const AntennaAnalysis analysis = AnalyseAntenna(set, options);
        // The scene as the tuning window builds it.
        const TuningScene scene = BuildTuningScene(set, analysis, nullptr, choices, QLocale::c());
        QPainter painter(&image);
        PaintTuningChart(painter, LayoutTuningChart(chartRect, image, scene.chart, style),
                         scene.chart, style);
        PaintSmithChart(painter, LayoutSmithChart(smithRect, image, scene.smith, style),
                        scene.smith, style);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_TuningRedraw)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ravemo
