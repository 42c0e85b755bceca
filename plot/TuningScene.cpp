#include "plot/TuningScene.h"

namespace ravemo {

TuningScene BuildTuningScene(const AntennaSamples& live, const AntennaAnalysis& analysis,
                             const AntennaSamples* reference, const TuningViewChoices& choices,
                             const QLocale& locale) {
    TuningScene scene;
    TuningChartContent& chart = scene.chart;
    chart.live = &live;
    chart.reference = reference;
    chart.dips = analysis.dips;
    // The zoom stays inside the data; without one the whole sweep shows.
    chart.view = FitView(choices.zoom.value_or(FrequencyView{}), ViewLimitsOf(live.samples));
    chart.region = choices.region;
    chart.scale = choices.scale;
    chart.rightAxis = choices.rightAxis;
    chart.crosshairHz = choices.crosshairHz;
    chart.locale = locale;
    scene.smith = SmithChartContent{&live, reference, analysis.dips, choices.crosshairHz, locale};
    return scene;
}

}  // namespace ravemo
