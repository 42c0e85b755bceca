#include "ui/access/MarkerKeys.h"

#include "analysis/LowestSwr.h"
#include "analysis/SweepSamples.h"
#include "sweep/MarkerIndex.h"
#include "sweep/SweptPoints.h"
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
    const SweepData& data = measurement.data();
    const std::int32_t step = measurement.settings().Step;
    const AntennaSamples set = SamplesFromSweep(data, step);
    if (set.samples.empty()) return;
    const double lowestHz = set.samples[LowestSwrIndex(set.samples, 0, set.samples.size() - 1)].hz;
    // The sample's frequency is its tuning word's: the index whose word gives it.
    for (const std::int32_t index : SweptIndices(data, step)) {
        if (WordFrequencyHz(data.DdsWords[static_cast<std::size_t>(index)]) == lowestHz) {
            placeAtIndex(chart, measurement, marker, index);
            return;
        }
    }
}

}  // namespace ravemo
