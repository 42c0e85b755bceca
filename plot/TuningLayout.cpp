#include "plot/TuningLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include <QFontMetricsF>

#include "plot/FrequencyLabels.h"
#include "plot/NiceTicks.h"

namespace ravemo {
namespace {

// About this much room between two frequency ticks, and between two SWR or right-axis ticks.
constexpr double kFrequencyTickSpacingPt = 60.0;
constexpr double kValueTickSpacingPt = 24.0;
// Tick labels that come closer than this are thinned out.
constexpr int kFrequencyTickAttempts = 4;
// The right axis spans at least this much, so a flat curve (a resistor's X) stays flat.
constexpr double kSmallestRightSpanOhms = 10.0;
// Dip labels carry one decimal more than the frequency ticks: at least kHz, at most Hz.
constexpr int kFewestDipDecimals = 3;
constexpr int kMostDipDecimals = 6;
constexpr std::size_t kBandNameRows = 2;

double Lerp(double from0, double from1, double to0, double to1, double value) {
    if (from1 == from0) return to0;
    return to0 + (value - from0) * (to1 - to0) / (from1 - from0);
}

// `rect` moved into `area` as far as it fits.
QRectF KeptInside(QRectF rect, const QRectF& area) {
    if (rect.right() > area.right()) rect.moveRight(area.right());
    if (rect.left() < area.left()) rect.moveLeft(area.left());
    if (rect.bottom() > area.bottom()) rect.moveBottom(area.bottom());
    if (rect.top() < area.top()) rect.moveTop(area.top());
    return rect;
}

double WidestLabel(const std::vector<AxisTick>& ticks, const QFontMetricsF& metrics) {
    double widest = 0.0;
    for (const AxisTick& t : ticks) widest = std::max(widest, metrics.horizontalAdvance(t.label));
    return widest;
}

std::vector<AxisTick> ValueTicks(const std::vector<double>& values, int decimals,
                                 const QLocale& locale) {
    std::vector<AxisTick> ticks;
    ticks.reserve(values.size());
    for (const double v : values) ticks.push_back({0.0, FixedText(v, decimals, locale), {}});
    return ticks;
}

std::optional<double> LowestSwr(std::span<const AntennaSample> samples) {
    std::optional<double> lowest;
    for (const AntennaSample& s : samples) {
        if (!lowest || s.swr < *lowest) lowest = s.swr;
    }
    return lowest;
}

ValueRange RightRange(std::span<const AntennaSample> samples, RightAxisQuantity quantity,
                      int intervals) {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const AntennaSample& s : samples) {
        const double v = RightAxisValue(s, quantity);
        if (std::isnan(v)) continue;
        low = std::min(low, v);
        high = std::max(high, v);
    }
    return RoundRangeWithZero(low, high, kSmallestRightSpanOhms, intervals);
}

// The frequency ticks for the plot's width: as many as fit with their labels apart.
void PlaceFrequencyTicks(TuningLayout& l, const QFontMetricsF& metrics, double gap,
                         const QLocale& locale) {
    int intervals = TargetIntervalCount(l.plot.width() / l.pixelsPerPoint, kFrequencyTickSpacingPt);
    for (int attempt = 0; attempt < kFrequencyTickAttempts; ++attempt) {
        const LinearTicks ticks = NiceLinearTicks(l.view.lowHz, l.view.highHz, intervals);
        l.frequencyDecimals = MHzDecimalsForStep(ticks.step);
        l.frequencyTicks.clear();
        for (const double hz : ticks.values) {
            l.frequencyTicks.push_back({l.xOfHz(hz), MHzText(hz, l.frequencyDecimals, locale), {}});
        }
        const double room = ticks.step / l.view.spanHz() * l.plot.width();
        const double needed = WidestLabel(l.frequencyTicks, metrics) + gap;
        if (needed <= room || intervals == 1) break;
        intervals = std::max(1, static_cast<int>(std::floor(l.plot.width() / needed)));
    }
}

void PlaceBands(TuningLayout& l, int region, const QFontMetricsF& small, double gap) {
    // Names that would collide go to a second row, and are left out if that is taken too.
    std::array<double, kBandNameRows> rowRight;
    rowRight.fill(-std::numeric_limits<double>::infinity());
    for (const AmateurBand& band : AmateurBandsOf(region)) {
        const double low = std::max(band.lowHz, l.view.lowHz);
        const double high = std::min(band.highHz, l.view.highHz);
        if (!(high > low)) continue;
        // A band narrower than a point (60 m on a wide sweep) still shows as a thin stripe.
        const double left = l.xOfHz(low);
        const double width = std::max(l.xOfHz(high) - left, l.pixelsPerPoint);
        BandMark mark{
            QRectF(left, l.plot.top(), width, l.plot.height()), QString::fromLatin1(band.name), {}};
        for (std::size_t row = 0; row < kBandNameRows; ++row) {
            QRectF name(0.0, l.plot.top() + gap / 4.0 + static_cast<double>(row) * small.height(),
                        small.horizontalAdvance(mark.name), small.height());
            name.moveCenter({mark.shade.center().x(), name.center().y()});
            name = KeptInside(name, l.plot);
            if (name.left() >= rowRight[row] + gap) {
                mark.nameRect = name;
                rowRight[row] = name.right();
                break;
            }
        }
        l.bands.push_back(mark);
    }
}

// The box of a dip's marker, the triangle standing on its bottom.
QRectF MarkerBox(const QPointF& tip, double markerPx) {
    const double height = markerPx * kDipMarkerHeightFactor;
    return {tip.x() - markerPx, tip.y() - height, 2.0 * markerPx, height};
}

void PlaceDips(TuningLayout& l, std::span<const SwrDip> dips, const QFontMetricsF& metrics,
               double markerPx, double gap, double bandRowBottom, const QLocale& locale) {
    const int decimals = std::clamp(l.frequencyDecimals + 1, kFewestDipDecimals, kMostDipDecimals);
    for (const SwrDip& dip : dips) {
        const double hz = dip.bottom.hz;
        if (hz < l.view.lowHz || hz > l.view.highHz) continue;
        l.dips.push_back({{l.xOfHz(hz), l.yOfSwr(dip.bottom.swr)},
                          MHzText(hz, decimals, locale) + QStringLiteral(" MHz"),
                          {}});
    }
    // What a label must not cover: every marker, the band names and the labels placed before.
    std::vector<QRectF> taken;
    for (const DipMark& m : l.dips) taken.push_back(MarkerBox(m.point, markerPx));
    for (const BandMark& b : l.bands) {
        if (!b.nameRect.isEmpty()) taken.push_back(b.nameRect);
    }
    const auto isFree = [&](const QRectF& r) {
        return l.plot.contains(r) &&
               std::none_of(taken.begin(), taken.end(),
                            [&r](const QRectF& t) { return t.intersects(r); });
    };
    for (DipMark& mark : l.dips) {
        // Below the bottom, where the dip's own curve never runs, when there is room; else above
        // the marker. Labels of dips close together stack on that side, then try the other side,
        // then beside the marker.
        const QSizeF size(metrics.horizontalAdvance(mark.label) + gap, metrics.height());
        const double below = mark.point.y() + gap / 2.0;
        const double above = mark.point.y() - markerPx * kDipMarkerHeightFactor - gap / 4.0;
        const bool belowFirst =
            below + size.height() <= l.plot.bottom() || above - size.height() < bandRowBottom;
        const auto rowTop = [&](bool downwards, int row) {
            return downwards ? below + row * size.height() : above - (row + 1) * size.height();
        };
        const double sideShift = size.width() / 2.0 + markerPx;
        const auto rows = static_cast<int>(std::ceil(l.plot.height() / size.height()));
        std::optional<QRectF> placed;
        for (const double shift : {0.0, sideShift, -sideShift}) {
            for (const bool downwards : {belowFirst, !belowFirst}) {
                for (int row = 0; row < rows && !placed; ++row) {
                    QRectF label(QPointF(0.0, rowTop(downwards, row)), size);
                    label.moveLeft(mark.point.x() + shift - size.width() / 2.0);
                    if (label.left() < l.plot.left()) label.moveLeft(l.plot.left());
                    if (label.right() > l.plot.right()) label.moveRight(l.plot.right());
                    if (isFree(label)) placed = label;
                }
            }
        }
        if (!placed) continue;  // no room left: the label is left out
        mark.labelRect = *placed;
        taken.push_back(*placed);
    }
}

// The middle of each stretch of samples above the scale's top, an arrow's width apart at least.
void PlaceAboveScaleArrows(TuningLayout& l, std::span<const AntennaSample> visible,
                           double markerPx) {
    bool inStretch = false;
    double stretchStartHz = 0.0;
    double lastHz = 0.0;
    const auto close = [&] {
        if (!inStretch) return;
        const double x =
            std::clamp(l.xOfHz((stretchStartHz + lastHz) / 2.0), l.plot.left(), l.plot.right());
        if (l.aboveScaleX.empty() || x - l.aboveScaleX.back() >= 3.0 * markerPx) {
            l.aboveScaleX.push_back(x);
        }
        inStretch = false;
    };
    for (const AntennaSample& s : visible) {
        if (s.swr > l.swrScale.top) {
            if (!inStretch) stretchStartHz = s.hz;
            inStretch = true;
            lastHz = s.hz;
        } else if (!std::isnan(s.swr)) {
            close();
        }
    }
    close();
}

}  // namespace

double TuningLayout::xOfHz(double hz) const {
    return Lerp(view.lowHz, view.highHz, plot.left(), plot.right(), hz);
}

double TuningLayout::hzOfX(double x) const {
    return Lerp(plot.left(), plot.right(), view.lowHz, view.highHz, x);
}

double TuningLayout::yOfSwr(double swr) const {
    return plot.bottom() - swrScale.fractionOf(swr) * plot.height();
}

double TuningLayout::yOfSwrBeyondTop(double swr) const {
    if (!(swr > swrScale.top)) return yOfSwr(swr);
    // Beyond the top the scale goes on as it runs below it, for at most another plot height.
    const double fraction = swrScale.logarithmic
                                ? std::log(swr) / std::log(swrScale.top)
                                : (swr - kSwrScaleBottom) / (swrScale.top - kSwrScaleBottom);
    return plot.bottom() - std::min(fraction, 2.0) * plot.height();
}

double TuningLayout::swrOfY(double y) const {
    return swrScale.swrAtFraction((plot.bottom() - y) / plot.height());
}

double TuningLayout::yOfRight(double value) const {
    const double y = Lerp(rightRange.low, rightRange.high, plot.bottom(), plot.top(), value);
    if (std::isnan(y)) return plot.bottom();
    return std::clamp(y, plot.top(), plot.bottom());
}

double TuningLayout::rightOfY(double y) const {
    return Lerp(plot.bottom(), plot.top(), rightRange.low, rightRange.high, y);
}

TuningLayout LayoutTuningChart(const QRectF& target, const QPaintDevice& device,
                               const TuningChartContent& content, const PlotStyle& style) {
    TuningLayout l;
    static_cast<PlotFrame&>(l) = FrameOf(target, device, style);
    const QFontMetricsF metrics(l.labelFont, &device);
    const QFontMetricsF small(l.smallFont, &device);
    const double pad = style.paddingPt * l.pixelsPerPoint;
    const double tick = style.tickLengthPt * l.pixelsPerPoint;
    const double line = metrics.height();

    static const std::vector<AntennaSample> kNoSamples;
    const std::vector<AntennaSample>& samples = content.live ? content.live->samples : kNoSamples;
    l.view = FitView(content.view, ViewLimitsOf(samples));
    const std::span<const AntennaSample> visible = SamplesInView(samples, l.view, 1);
    l.swrScale = ResolveSwrScale(content.scale, LowestSwr(SamplesInView(samples, l.view)));
    l.rightAxis = samples.empty() ? RightAxisQuantity::None : content.rightAxis;

    const double top = target.top() + pad + line + pad;
    const double bottom = std::max(top + 1.0, target.bottom() - (tick + 2.0 * pad + 2.0 * line));
    const double heightPt = (bottom - top) / l.pixelsPerPoint;

    const SwrTicks swr =
        SwrScaleTicks(l.swrScale, TargetIntervalCount(heightPt, kValueTickSpacingPt));
    l.swrTicks = ValueTicks(swr.values, DecimalsForStep(swr.step), content.locale);
    const double left = target.left() + pad + WidestLabel(l.swrTicks, metrics) + pad / 2.0 + tick;

    double right = target.right() - 2.0 * pad;
    std::vector<double> rightValues;
    if (l.rightAxis != RightAxisQuantity::None) {
        const int intervals = TargetIntervalCount(heightPt, kValueTickSpacingPt);
        l.rightRange = RightRange(visible, l.rightAxis, intervals);
        const LinearTicks ticks = NiceLinearTicks(l.rightRange.low, l.rightRange.high, intervals);
        rightValues = ticks.values;
        l.rightTicks = ValueTicks(rightValues, DecimalsForStep(ticks.step), content.locale);
        right = target.right() - (pad + WidestLabel(l.rightTicks, metrics) + pad / 2.0 + tick);
        l.rightTitle = RightAxisTitle(l.rightAxis, content.live->sign);
    }
    l.plot = QRectF(QPointF(left, top), QPointF(std::max(left + 1.0, right), bottom));

    for (std::size_t i = 0; i < swr.values.size(); ++i) {
        AxisTick& t = l.swrTicks[i];
        t.pixel = l.yOfSwr(swr.values[i]);
        const double width = metrics.horizontalAdvance(t.label);
        t.labelRect =
            QRectF(l.plot.left() - tick - pad / 2.0 - width, t.pixel - line / 2.0, width, line);
        t.labelRect = KeptInside(t.labelRect, target);
    }
    for (std::size_t i = 0; i < rightValues.size(); ++i) {
        AxisTick& t = l.rightTicks[i];
        t.pixel = l.yOfRight(rightValues[i]);
        t.labelRect = QRectF(l.plot.right() + tick + pad / 2.0, t.pixel - line / 2.0,
                             metrics.horizontalAdvance(t.label), line);
        t.labelRect = KeptInside(t.labelRect, target);
    }
    PlaceFrequencyTicks(l, metrics, 2.0 * pad, content.locale);
    for (AxisTick& t : l.frequencyTicks) {
        const double width = metrics.horizontalAdvance(t.label);
        t.labelRect =
            QRectF(t.pixel - width / 2.0, l.plot.bottom() + tick + pad / 2.0, width, line);
        t.labelRect = KeptInside(t.labelRect, target);
    }

    const bool atAntenna =
        content.live != nullptr && content.live->plane == ReferencePlane::Antenna;
    l.swrTitle = atAntenna ? QStringLiteral("SWR at the antenna") : QStringLiteral("SWR");
    l.swrTitleRect = QRectF(target.left() + pad, target.top() + pad,
                            metrics.horizontalAdvance(l.swrTitle), line);
    if (!l.rightTitle.isEmpty()) {
        const double width = metrics.horizontalAdvance(l.rightTitle);
        l.rightTitleRect = QRectF(target.right() - pad - width, target.top() + pad, width, line);
    }
    if (content.reference != nullptr && !content.reference->samples.empty()) {
        l.referenceLegend = QStringLiteral("Reference");
        l.referenceLegendRect = QRectF(l.swrTitleRect.right() + 4.0 * pad, target.top() + pad,
                                       metrics.horizontalAdvance(l.referenceLegend), line);
    }
    l.frequencyTitle = QStringLiteral("Frequency (MHz)");
    const double titleWidth = metrics.horizontalAdvance(l.frequencyTitle);
    l.frequencyTitleRect = QRectF(l.plot.center().x() - titleWidth / 2.0,
                                  l.plot.bottom() + tick + pad + line, titleWidth, line);

    PlaceBands(l, content.region, small, pad);
    const double bandRowBottom =
        l.plot.top() + pad / 4.0 + static_cast<double>(kBandNameRows) * small.height();
    PlaceDips(l, content.dips, metrics, style.markerPt * l.pixelsPerPoint, pad, bandRowBottom,
              content.locale);
    PlaceAboveScaleArrows(l, SamplesInView(samples, l.view), style.markerPt * l.pixelsPerPoint);
    return l;
}

}  // namespace ravemo
