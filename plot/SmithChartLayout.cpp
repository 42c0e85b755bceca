#include "plot/SmithChartLayout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QFontMetricsF>

#include "plot/FrequencyLabels.h"
#include "analysis/NearestSample.h"

namespace ravemo {
namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double kFullTurnDegrees = 360.0;
constexpr double kSwrTwoReflection = 1.0 / 3.0;  // |G| at SWR 2
constexpr int kDipDecimals = 3;
// Where the "SWR 2" label sits on its circle, degrees counter-clockwise from the right.
constexpr double kSwrTwoLabelDegrees = 135.0;

// The angle of `p` seen from `centre`, in Qt's arc convention: degrees, counter-clockwise on
// the screen.
double ArcAngle(const QPointF& centre, const QPointF& p) {
    return std::atan2(centre.y() - p.y(), p.x() - centre.x()) * kDegreesPerRadian;
}

double Turned(double degrees) {
    const double d = std::fmod(degrees, kFullTurnDegrees);
    return d < 0.0 ? d + kFullTurnDegrees : d;
}

// Adds the arc of a circle from `from` to `to` that passes through `via`.
void AddArc(QPainterPath& path, const QPointF& centre, double radius, const QPointF& from,
            const QPointF& via, const QPointF& to) {
    const QRectF box(centre.x() - radius, centre.y() - radius, 2.0 * radius, 2.0 * radius);
    const double start = ArcAngle(centre, from);
    const double counterClockwise = Turned(ArcAngle(centre, to) - start);
    const bool viaOnIt = Turned(ArcAngle(centre, via) - start) < counterClockwise;
    path.arcMoveTo(box, start);
    path.arcTo(box, start, viaOnIt ? counterClockwise : counterClockwise - kFullTurnDegrees);
}

QString OhmsText(double ohms) { return QString::number(ohms, 'g', 4); }

// A label box just outside the circle in the direction of `gamma` (|gamma| = 1).
QRectF OutsideRim(const SmithCircle& circle, std::complex<double> gamma, QSizeF size, double gap) {
    const double reach = circle.radius + gap + std::fabs(gamma.real()) * size.width() / 2.0 +
                         std::fabs(gamma.imag()) * size.height() / 2.0;
    QRectF rect(QPointF(), size);
    rect.moveCenter(circle.centre + QPointF(gamma.real(), -gamma.imag()) * reach);
    return rect;
}

}  // namespace

SmithChartLayout LayoutSmithChart(const QRectF& target, const QPaintDevice& device,
                                  const SmithChartContent& content, const PlotStyle& style) {
    SmithChartLayout l;
    static_cast<PlotFrame&>(l) = FrameOf(target, device, style);
    const QFontMetricsF metrics(l.labelFont, &device);
    const QFontMetricsF small(l.smallFont, &device);
    const double pad = style.paddingPt * l.pixelsPerPoint;

    if (content.live != nullptr && !content.live->samples.empty()) {
        l.caption.text = content.live->sign == ReactanceSign::Measured
                             ? QStringLiteral("sign of X measured")
                             : QStringLiteral("sign of X estimated");
        if (content.live->plane == ReferencePlane::Antenna) {
            l.caption.text = QStringLiteral("at the antenna, ") + l.caption.text;
        }
    }
    // Room for the rim labels on every side and the caption below.
    const QSizeF rimLabel(small.horizontalAdvance(QStringLiteral("−j250")), small.height());
    const double captionHeight = metrics.height() + pad;
    const double radius = std::max(
        1.0, std::min(target.width() / 2.0 - rimLabel.width() - 2.0 * pad,
                      (target.height() - captionHeight) / 2.0 - rimLabel.height() - 2.0 * pad));
    l.circle.radius = radius;
    l.circle.centre =
        QPointF(target.center().x(), target.top() + (target.height() - captionHeight) / 2.0);
    const double captionWidth = metrics.horizontalAdvance(l.caption.text);
    l.caption.rect =
        QRectF(target.center().x() - captionWidth / 2.0,
               target.bottom() - captionHeight + pad / 2.0, captionWidth, metrics.height());

    const SmithCircle& c = l.circle;
    l.reactanceArcs.moveTo(c.pointOfReflection(-1.0));
    l.reactanceArcs.lineTo(c.pointOfReflection(1.0));
    for (const double ohms : kSmithGridOhms) {
        const double r = ohms / kSmithReferenceOhms;
        const QPointF left = c.pointOfReflection((r - 1.0) / (r + 1.0));
        const double diameter = 2.0 * radius / (r + 1.0);
        l.resistanceCircles.push_back(
            QRectF(left.x(), left.y() - diameter / 2.0, diameter, diameter));
        const QString rText = OhmsText(ohms);
        l.gridLabels.push_back({rText, QRectF(left.x() + pad / 4.0, left.y() - small.height(),
                                              small.horizontalAdvance(rText), small.height())});
        for (const double sign : {1.0, -1.0}) {
            const double x = sign * ohms;
            const QPointF rim = c.pointOfImpedance({0.0, x});
            AddArc(l.reactanceArcs, c.pointOfReflection({1.0, kSmithReferenceOhms / x}),
                   radius * kSmithReferenceOhms / ohms, rim,
                   c.pointOfImpedance({kSmithReferenceOhms, x}), c.pointOfReflection(1.0));
            const QString xText = (sign > 0 ? QStringLiteral("+j") : QStringLiteral("−j")) + rText;
            const QSizeF size(small.horizontalAdvance(xText), small.height());
            l.gridLabels.push_back(
                {xText, OutsideRim(c, SmithReflection({0.0, x}), size, pad / 2.0)});
        }
    }

    const double swrTwo = radius * kSwrTwoReflection;
    l.swrTwoCircle = QRectF(c.centre.x() - swrTwo, c.centre.y() - swrTwo, 2 * swrTwo, 2 * swrTwo);
    l.swrTwoLabel.text = QStringLiteral("SWR 2");
    const std::complex<double> at =
        std::polar(kSwrTwoReflection, kSwrTwoLabelDegrees / kDegreesPerRadian);
    const QPointF labelCorner = c.pointOfReflection(at);
    const double labelWidth = small.horizontalAdvance(l.swrTwoLabel.text);
    l.swrTwoLabel.rect = QRectF(labelCorner.x() - labelWidth, labelCorner.y() - small.height(),
                                labelWidth, small.height());

    const double marker = style.markerPt * l.pixelsPerPoint;
    for (const SwrDip& dip : content.dips) {
        // Where the sign of X is unknown the dip has no place on the chart.
        if (dip.bottom.xsSign == ReactanceSign::Unknown) continue;
        const QPointF p = c.pointOfImpedance({dip.bottom.rs, dip.bottom.xs});
        const QString text = MHzText(dip.bottom.hz, kDipDecimals, content.locale);
        const double width = metrics.horizontalAdvance(text) + pad / 2.0;
        l.dips.push_back({p,
                          {text, QRectF(p.x() + marker + pad / 2.0, p.y() - metrics.height(), width,
                                        metrics.height())}});
    }
    if (content.live != nullptr && content.crosshairHz) {
        if (const auto s = NearestSample(content.live->samples, *content.crosshairHz);
            s && s->xsSign != ReactanceSign::Unknown) {
            l.crosshair = c.pointOfImpedance({s->rs, s->xs});
        }
    }
    return l;
}

}  // namespace ravemo
