#pragma once

#include <optional>

#include <QLocale>

#include "analysis/AmateurBands.h"
#include "analysis/AntennaAnalysis.h"
#include "analysis/AntennaSample.h"
#include "plot/FrequencyView.h"
#include "plot/RightAxis.h"
#include "plot/SmithChartLayout.h"
#include "plot/SwrScale.h"
#include "plot/TuningChartContent.h"

namespace ravemo {

// How the user has chosen to look at a sweep: the band plan, the SWR scale, the right axis,
// the zoomed frequency window and the frequency under the mouse.
struct TuningViewChoices {
    int region = kDefaultIaruRegion;
    SwrScaleChoice scale = SwrScaleChoice::Automatic;
    RightAxisQuantity rightAxis = RightAxisQuantity::None;
    std::optional<FrequencyView> zoom;  // none: the whole sweep
    std::optional<double> crosshairHz;
};

// What the tuning chart and the Smith chart of one sweep show. The window paints it on its
// widgets, the report on a page: both build it here, so both show the same pictures.
struct TuningScene {
    TuningChartContent chart;
    SmithChartContent smith;
};

// The scene of `live` analysed as `analysis`, with `reference` (may be null) in grey under it.
// Everything is borrowed: the samples and the analysis must outlive the scene.
TuningScene BuildTuningScene(const AntennaSamples& live, const AntennaAnalysis& analysis,
                             const AntennaSamples* reference, const TuningViewChoices& choices,
                             const QLocale& locale);

}  // namespace ravemo
