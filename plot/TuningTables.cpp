#include "plot/TuningTables.h"

#include <cmath>

#include "common/SwrBeyondScale.h"
#include "common/Units.h"
#include "plot/FrequencyLabels.h"

namespace ravemo {
namespace {

constexpr int kMHzDecimals = 4;  // to the 100 Hz
constexpr int kOhmDecimals = 1;
constexpr int kKHzDecimals = 1;
constexpr int kQDecimals = 0;
constexpr double kQOneDecimalBelow = 10.0;
constexpr int kPercentDecimals = 0;
constexpr int kTrimDecimals = 1;
constexpr int kReturnLossDecimals = 1;
constexpr double kHzPerKHz = 1e3;

const QString kDash = QStringLiteral("\u2013");

// Decimals that matter: a tenth of an ohm near 50, none at thousands of ohms.
constexpr double kWholeOhmsFrom = 100.0;
constexpr double kSwrOneDecimalFrom = 10.0;
constexpr double kSwrWholeFrom = 100.0;

QString Ohms(double value, const QLocale& locale) {
    return FixedText(value, std::fabs(value) < kWholeOhmsFrom ? kOhmDecimals : 0, locale);
}

// A signed value keeps its sign visible: "+5.1", "-12.0".
QString Signed(double value, const QLocale& locale) {
    const QString text = Ohms(value, locale);
    return value > 0.0 && text != Ohms(0.0, locale) ? locale.positiveSign() + text : text;
}

QString Swr(double swr, const QLocale& locale) {
    if (const std::optional<QString> beyond = SwrBeyondScale(swr)) return *beyond;
    const int decimals = swr < kSwrOneDecimalFrom ? kSwrDecimals : swr < kSwrWholeFrom ? 1 : 0;
    return FixedText(swr, decimals, locale);
}

QString ReactanceLabel(ReactanceSign sign) {
    return sign == ReactanceSign::Estimated ? QStringLiteral("X (est.)") : QStringLiteral("X");
}

QString Bandwidth(const SwrDip& dip, double level, const std::optional<SwrEdges>& edges,
                  const QLocale& locale) {
    if (!(dip.bottom.swr < level)) return QStringLiteral("not reached");
    if (!edges) return QStringLiteral("edge outside");
    return FixedText(edges->bandwidthHz / kHzPerKHz, kKHzDecimals, locale);
}

// A low Q (a short or lossy antenna) shows a decimal.
QString QText(double q, const QLocale& locale) {
    return FixedText(q, q < kQOneDecimalBelow ? 1 : kQDecimals, locale);
}

QString Percent(double fraction, const QLocale& locale) {
    return FixedText(fraction * kPercent, kPercentDecimals, locale) + QStringLiteral(" %");
}

}  // namespace

QString TableMHz(double hz, const QLocale& locale) { return MHzText(hz, kMHzDecimals, locale); }

TextTable DipTable(const std::vector<SwrDip>& dips, ReactanceSign sign, const QLocale& locale) {
    TextTable table{
        {QStringLiteral("Frequency (MHz)"), QStringLiteral("SWR"), QStringLiteral("R (\u03A9)"),
         ReactanceLabel(sign) + QStringLiteral(" (\u03A9)"), QStringLiteral("2:1 band (kHz)"),
         QStringLiteral("1.5:1 band (kHz)"), QStringLiteral("Q")},
        {}};
    for (const SwrDip& dip : dips) {
        const AntennaSample& s = dip.bottom;
        table.rows.push_back({TableMHz(s.hz, locale), Swr(s.swr, locale), Ohms(s.rs, locale),
                              Signed(s.xs, locale), Bandwidth(dip, kSwrTwoToOne, dip.swr2, locale),
                              Bandwidth(dip, kSwrOneAndHalf, dip.swr15, locale),
                              dip.q ? QText(*dip.q, locale) : kDash});
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
                              sampled ? Swr(*b.minSwr, locale) : kDash,
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
                          Ohms(r.rs, locale));
    }
    return parts.join(QStringLiteral(", "));
}

QString TrimWords(const std::optional<TrimAdvice>& trim, const QLocale& locale) {
    if (!trim) return QStringLiteral("no series resonance in the sweep");
    const double change = trim->lengthChangePercent;
    const QString amount = FixedText(std::fabs(change), kTrimDecimals, locale);
    if (amount == FixedText(0.0, kTrimDecimals, locale)) return QStringLiteral("no change needed");
    return (change > 0.0 ? QStringLiteral("lengthen by %1%") : QStringLiteral("shorten by %1%"))
        .arg(amount);
}

QString SampleReadoutText(const AntennaSample& s, ReactanceSign sign, const QLocale& locale) {
    const QString returnLoss = std::isfinite(s.returnLossDb)
                                   ? FixedText(s.returnLossDb, kReturnLossDecimals, locale)
                                   : QStringLiteral("\u221E");
    return QStringLiteral(
               "%1 MHz   SWR %2   RL %3 dB   Rs %4 \u03A9   %5 %6 \u03A9   |Z| %7 \u03A9")
        .arg(TableMHz(s.hz, locale), Swr(s.swr, locale), returnLoss, Ohms(s.rs, locale),
             ReactanceLabel(sign), Signed(s.xs, locale), Ohms(s.z, locale));
}

}  // namespace ravemo
