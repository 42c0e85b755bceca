#include "plot/TuningTables.h"

#include <cmath>

#include "common/SwrBeyondScale.h"
#include "common/Units.h"
#include "plot/FrequencyLabels.h"

namespace ravemo {
namespace {

constexpr int kMHzDecimals = 4;  // to the 100 Hz
constexpr int kPercentDecimals = 0;
constexpr int kReturnLossDecimals = 1;

const QString kDash = QStringLiteral("\u2013");

QString Bandwidth(const SwrDip& dip, double level, const std::optional<SwrEdges>& edges,
                  const AntennaSamples& set, const QLocale& locale) {
    if (!(dip.bottom.swr < level) || !edges) return QStringLiteral("not reached");
    if (const std::optional<double> width = edges->bandwidthHz()) {
        return FixedText(*width / kHzPerKHz, kBandwidthKHzDecimals, locale);
    }
    // At least from the known edge to the sweep's end.
    const double low = edges->lowHz.value_or(set.samples.front().hz);
    const double high = edges->highHz.value_or(set.samples.back().hz);
    return QStringLiteral("> ") +
           FixedText((high - low) / kHzPerKHz, kBandwidthKHzDecimals, locale);
}

QString QCell(const SwrDip& dip, const QLocale& locale) {
    if (dip.q) return QText(dip, locale).mid(2);  // the number without "Q "
    switch (dip.qProblem) {
        case QProblem::EdgeOutside:
            return QStringLiteral("edge outside");
        case QProblem::BottomNearTwoToOne:
            return QStringLiteral("bottom at 2:1");
        case QProblem::NotReached:
        case QProblem::None:
            break;
    }
    return kDash;
}

QString Percent(double fraction, const QLocale& locale) {
    return FixedText(fraction * kPercent, kPercentDecimals, locale) + QStringLiteral(" %");
}

}  // namespace

QString TableMHz(double hz, const QLocale& locale) { return MHzText(hz, kMHzDecimals, locale); }

TextTable DipTable(const std::vector<SwrDip>& dips, const AntennaSamples& set,
                   const QLocale& locale) {
    TextTable table{
        {QStringLiteral("Frequency (MHz)"), QStringLiteral("SWR"), QStringLiteral("R (\u03A9)"),
         ReactanceLabel(set.sign) + QStringLiteral(" (\u03A9)"), QStringLiteral("2:1 band (kHz)"),
         QStringLiteral("1.5:1 band (kHz)"), QStringLiteral("Q")},
        {}};
    for (const SwrDip& dip : dips) {
        const AntennaSample& s = dip.bottom;
        table.rows.push_back(
            {TableMHz(s.hz, locale), SampleSwrText(s, locale), OhmsText(s.rs, locale),
             ReactanceText(s, locale), Bandwidth(dip, kSwrTwoToOne, dip.swr2, set, locale),
             Bandwidth(dip, kSwrOneAndHalf, dip.swr15, set, locale), QCell(dip, locale)});
    }
    return table;
}

TextTable BandTable(const std::vector<BandCoverage>& bands, const QLocale& locale) {
    TextTable table{
        {QStringLiteral("Band"), QStringLiteral("Edges (MHz)"), QStringLiteral("Lowest SWR"),
         QStringLiteral("at (MHz)"), QStringLiteral("Under 2:1"), QStringLiteral("Swept")},
        {}};
    for (const BandCoverage& b : bands) {
        const bool sampled = b.minSwr && b.minSwrHz && b.below2Fraction;
        table.rows.push_back({QString::fromLatin1(b.band.name),
                              TableMHz(b.band.lowHz, locale) + QStringLiteral(" \u2013 ") +
                                  TableMHz(b.band.highHz, locale),
                              sampled ? SwrText(*b.minSwr, locale) : kDash,
                              sampled ? TableMHz(*b.minSwrHz, locale) : kDash,
                              sampled ? Percent(*b.below2Fraction, locale) : kDash,
                              Percent(b.coveredFraction, locale)});
    }
    return table;
}

QString ResonancesText(const std::vector<Resonance>& resonances, const QLocale& locale) {
    if (resonances.empty()) return QStringLiteral("none in the sweep");
    QStringList parts;
    for (const Resonance& r : resonances) {
        parts << QStringLiteral("%1 MHz %2 (Rs %3 \u03A9)")
                     .arg(TableMHz(r.hz, locale),
                          r.kind == ResonanceKind::Series ? QStringLiteral("series")
                                                          : QStringLiteral("parallel"),
                          OhmsText(r.rs, locale));
    }
    return parts.join(QStringLiteral(", "));
}

QString SampleReadoutText(const AntennaSample& s, ReactanceSign sign, const QLocale& locale) {
    const QString returnLoss = std::isfinite(s.returnLossDb)
                                   ? FixedText(s.returnLossDb, kReturnLossDecimals, locale)
                                   : QStringLiteral("\u221E");
    return QStringLiteral("%1 MHz   SWR %2   RL %3 dB   Rs %4 \u03A9   %5 %6   |Z| %7 \u03A9")
        .arg(TableMHz(s.hz, locale), SampleSwrText(s, locale), returnLoss, OhmsText(s.rs, locale),
             ReactanceLabel(sign), ReactanceText(s, locale, QStringLiteral(" \u03A9")),
             OhmsText(s.z, locale));
}

}  // namespace ravemo
