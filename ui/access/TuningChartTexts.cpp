#include "ui/access/TuningChartTexts.h"

#include <cmath>

#include <QStringList>

#include "common/Units.h"
#include "plot/TuningTables.h"
#include "plot/Verdicts.h"

namespace ravemo {
namespace {

QString dipText(const SwrDip& dip, const QLocale& locale) {
    QString text = QStringLiteral("%1 MHz, SWR %2")
                       .arg(TableMHz(dip.bottom.hz, locale), SampleSwrText(dip.bottom, locale));
    if (dip.swr2) {
        if (const std::optional<double> band = dip.swr2->bandwidthHz()) {
            text +=
                QStringLiteral(", 2:1 band %1 kHz").arg(locale.toString(*band / kHzPerKHz, 'f', 0));
        }
    }
    return text;
}

QString ohms(double value, const QLocale& locale) {
    return std::isfinite(value) ? locale.toString(value, 'f', 1) : QStringLiteral("unknown");
}

QString pointText(const HistoryPoint& point, const QLocale& locale) {
    if (!point.resonanceHz || !point.lowestSwr) return QStringLiteral("no samples");
    return QStringLiteral("%1 MHz, SWR %2")
        .arg(TableMHz(*point.resonanceHz, locale), SwrText(*point.lowestSwr, locale));
}

}  // namespace

QString TuningChartText(const FrequencyView& shown, const AntennaAnalysis& analysis,
                        const QLocale& locale) {
    if (shown.spanHz() <= 0.0) return QStringLiteral("No sweep yet.");
    QStringList parts;
    parts << QStringLiteral("SWR from %1 to %2 MHz.")
                 .arg(TableMHz(shown.lowHz, locale), TableMHz(shown.highHz, locale));
    if (analysis.dips.empty()) {
        parts << QStringLiteral("No dip below SWR 2.");
    } else {
        QStringList dips;
        for (const SwrDip& dip : analysis.dips) dips << dipText(dip, locale);
        parts << (dips.size() == 1 ? QStringLiteral("1 dip: ")
                                   : QStringLiteral("%1 dips, deepest first: ").arg(dips.size())) +
                     dips.join(QStringLiteral("; ")) + u'.';
    }
    if (analysis.lowestAtEdge) {
        parts << QStringLiteral("Lowest SWR %1 at the sweep's %2 end, %3 MHz.")
                     .arg(SampleSwrText(analysis.lowestAtEdge->sample, locale),
                          analysis.lowestAtEdge->edge == SweepEdge::Lower ? QStringLiteral("lower")
                                                                          : QStringLiteral("upper"),
                          TableMHz(analysis.lowestAtEdge->sample.hz, locale));
    }
    if (analysis.trim) parts << TrimSentence(*analysis.trim, kDefaultSwrLimit, locale);
    return parts.join(u' ');
}

QString SmithChartText(const AntennaAnalysis& analysis, const QLocale& locale) {
    if (analysis.dips.empty())
        return QStringLiteral("Impedance over the sweep; no dip below SWR 2.");
    const AntennaSample& bottom = analysis.dips.front().bottom;
    return QStringLiteral(
               "Impedance over the sweep. At the deepest dip, %1 MHz: R %2 ohms, X %3 ohms.")
        .arg(TableMHz(bottom.hz, locale), ohms(bottom.rs, locale),
             bottom.xsSign == ReactanceSign::Unknown ? QStringLiteral("of unknown sign")
                                                     : ohms(bottom.xs, locale));
}

QString HistoryText(std::span<const HistoryPoint> points, const QLocale& locale) {
    if (points.empty()) return QStringLiteral("No sweeps in the history yet.");
    return QStringLiteral("%1 sweeps; first %2, latest %3.")
        .arg(locale.toString(static_cast<int>(points.size())), pointText(points.front(), locale),
             pointText(points.back(), locale));
}

}  // namespace ravemo
