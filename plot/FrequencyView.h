#pragma once

#include <span>
#include <vector>

#include "analysis/AntennaSample.h"

namespace ravemo {

// The frequency window a chart shows, low < high.
struct FrequencyView {
    double lowHz = 0.0;
    double highHz = 0.0;

    double spanHz() const { return highHz - lowHz; }
    bool operator==(const FrequencyView&) const = default;
};

// How far a view may go: never outside the data, never narrower than a few sample spacings.
struct ViewLimits {
    double lowHz = 0.0;
    double highHz = 0.0;
    double narrowestSpanHz = 0.0;  // > 0 and at most highHz - lowHz
};

// The narrowest view spans this many mean sample spacings (or the whole data, if narrower).
inline constexpr double kFewestSpacingsInView = 4.0;
// Without two samples of different frequencies there is no data range: a nominal window.
inline constexpr double kNominalViewSpanHz = 1000.0;
inline constexpr double kEmptyViewLowHz = 1e6;
inline constexpr double kEmptyViewHighHz = 30e6;

// The limits of samples in ascending frequency.
ViewLimits ViewLimitsOf(const std::vector<AntennaSample>& samples);

// The whole data range (what a double-click returns to).
FrequencyView FullView(const ViewLimits& limits);

// `view` narrowed by `factor` (> 1 zooms in, < 1 out) with `aboutHz` staying where it is on the
// axis, then kept inside the limits. A factor that is not a positive number changes nothing.
FrequencyView ZoomView(const FrequencyView& view, const ViewLimits& limits, double factor,
                       double aboutHz);

// `view` moved by `deltaHz` (positive: towards higher frequencies), stopping at the limits.
FrequencyView PanView(const FrequencyView& view, const ViewLimits& limits, double deltaHz);

// `view` made to fit the limits: its span clamped to [narrowest, whole range], then shifted
// inside. A view that is not a finite window gives the whole range.
FrequencyView FitView(const FrequencyView& view, const ViewLimits& limits);

// The samples (ascending frequency) inside [view.lowHz, view.highHz], with `extra` more on
// each side where there are, so that a curve reaches the edges of the view.
std::span<const AntennaSample> SamplesInView(const std::vector<AntennaSample>& samples,
                                             const FrequencyView& view, std::size_t extra = 0);

}  // namespace ravemo
