#pragma once

#include <optional>
#include <span>

#include <QLocale>

#include "analysis/AmateurBands.h"
#include "analysis/AntennaSample.h"
#include "analysis/SwrDips.h"
#include "plot/FrequencyView.h"
#include "plot/RightAxis.h"
#include "plot/SwrScale.h"

namespace ravemo {

// What the tuning chart shows. The samples and dips are borrowed: they must outlive the layout
// and the painting made from this content.
struct TuningChartContent {
    const AntennaSamples* live = nullptr;       // none or empty: the axes alone
    const AntennaSamples* reference = nullptr;  // drawn in grey under the live curve
    std::span<const SwrDip> dips;               // marked with their frequencies
    FrequencyView view;                         // the visible window; FitView of the data
    int region = kDefaultIaruRegion;            // the IARU region of the shaded bands
    SwrScaleChoice scale = SwrScaleChoice::Automatic;
    RightAxisQuantity rightAxis = RightAxisQuantity::None;
    std::optional<double> crosshairHz;  // a vertical line, e.g. under the mouse
    QLocale locale = QLocale::c();      // the decimal separator of every number
};

}  // namespace ravemo
