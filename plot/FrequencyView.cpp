#include "plot/FrequencyView.h"

#include <algorithm>
#include <cmath>

namespace ravemo {

ViewLimits ViewLimitsOf(const std::vector<AntennaSample>& samples) {
    if (samples.empty()) {
        return {kEmptyViewLowHz, kEmptyViewHighHz, kEmptyViewHighHz - kEmptyViewLowHz};
    }
    const double low = samples.front().hz;
    const double high = samples.back().hz;
    if (!(high > low)) {
        const double half = kNominalViewSpanHz / 2.0;
        return {low - half, low + half, kNominalViewSpanHz};
    }
    const double spacing = (high - low) / static_cast<double>(samples.size() - 1);
    return {low, high, std::min(high - low, spacing * kFewestSpacingsInView)};
}

FrequencyView FullView(const ViewLimits& limits) { return {limits.lowHz, limits.highHz}; }

FrequencyView FitView(const FrequencyView& view, const ViewLimits& limits) {
    if (!std::isfinite(view.lowHz) || !std::isfinite(view.highHz) || !(view.highHz > view.lowHz)) {
        return FullView(limits);
    }
    const double whole = limits.highHz - limits.lowHz;
    const double span = std::clamp(view.spanHz(), limits.narrowestSpanHz, whole);
    if (span >= whole) return FullView(limits);
    // Grow or shrink about the middle, then slide inside the data.
    const double middle = (view.lowHz + view.highHz) / 2.0;
    const double low = std::clamp(middle - span / 2.0, limits.lowHz, limits.highHz - span);
    return {low, low + span};
}

FrequencyView ZoomView(const FrequencyView& view, const ViewLimits& limits, double factor,
                       double aboutHz) {
    const FrequencyView fitted = FitView(view, limits);
    if (!(factor > 0.0) || !std::isfinite(factor) || !std::isfinite(aboutHz)) return fitted;
    const double whole = limits.highHz - limits.lowHz;
    const double span = std::clamp(fitted.spanHz() / factor, limits.narrowestSpanHz, whole);
    if (span >= whole) return FullView(limits);
    const double low = aboutHz - (aboutHz - fitted.lowHz) * (span / fitted.spanHz());
    const double clampedLow = std::clamp(low, limits.lowHz, limits.highHz - span);
    return {clampedLow, clampedLow + span};
}

FrequencyView PanView(const FrequencyView& view, const ViewLimits& limits, double deltaHz) {
    const FrequencyView fitted = FitView(view, limits);
    if (!std::isfinite(deltaHz)) return fitted;
    const double span = fitted.spanHz();
    const double low = std::clamp(fitted.lowHz + deltaHz, limits.lowHz, limits.highHz - span);
    return {low, low + span};
}

std::span<const AntennaSample> SamplesInView(const std::vector<AntennaSample>& samples,
                                             const FrequencyView& view, std::size_t extra) {
    const auto below = [](const AntennaSample& s, double hz) { return s.hz < hz; };
    const auto above = [](double hz, const AntennaSample& s) { return hz < s.hz; };
    auto first = std::lower_bound(samples.begin(), samples.end(), view.lowHz, below);
    auto last = std::upper_bound(first, samples.end(), view.highHz, above);
    const auto before = static_cast<std::ptrdiff_t>(
        std::min<std::size_t>(extra, static_cast<std::size_t>(first - samples.begin())));
    const auto after = static_cast<std::ptrdiff_t>(
        std::min<std::size_t>(extra, static_cast<std::size_t>(samples.end() - last)));
    return {first - before, last + after};
}

}  // namespace ravemo
