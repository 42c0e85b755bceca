#include "ui/access/MarkerKeys.h"

#include <cmath>

#include "analysis/LowestSwr.h"
#include "analysis/SweepSamples.h"
#include "sweep/MarkerIndex.h"
#include "ui/Measurement.h"
#include "ui/chart/ChartWidget.h"
#include "ui/chart/MarkerPlacement.h"

namespace ravemo {
namespace {

void placeAtIndex(ChartWidget& chart, const Measurement& measurement, int marker,
                  std::int32_t index) {
    const double x = SampleLineX(index, chart.widthTwips(), measurement.settings().Champ);
    PlaceMarker(chart, marker == 1 ? kLeftButton : kRightButton, x);
}

}  // namespace

void MoveMarker(ChartWidget& chart, const Measurement& measurement, int marker, MarkerMove move) {
    const Settings& settings = measurement.settings();
    const std::int32_t now = MarkerIndex(static_cast<float>(chart.line(marker).x1),
                                         chart.widthTwips(), settings.Champ, settings.Step);
    placeAtIndex(chart, measurement, marker,
                 MovedMarkerIndex(now, move, settings.Champ, settings.Step));
}

void MoveMarkerToDeepestDip(ChartWidget& chart, const Measurement& measurement, int marker) {
    const double freqStep = measurement.freqStep();
    if (freqStep == 0.0) return;
    const AntennaSamples set = SamplesFromSweep(measurement.data(), measurement.settings().Step);
    if (set.samples.empty()) return;
    const AntennaSample& lowest =
        set.samples[LowestSwrIndex(set.samples, 0, set.samples.size() - 1)];
    // The samples stand at their tuning words' frequencies, a little off the index grid.
    const double index =
        std::round((lowest.hz - static_cast<double>(measurement.fMin())) / freqStep);
    if (!std::isfinite(index) || index < 0 || index > measurement.settings().Champ) return;
    placeAtIndex(chart, measurement, marker, static_cast<std::int32_t>(index));
}

}  // namespace ravemo
