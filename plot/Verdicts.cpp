#include "plot/Verdicts.h"

#include <cmath>

#include <QStringList>

#include "common/SwrBeyondScale.h"
#include "common/Units.h"
#include "plot/FrequencyLabels.h"
#include "plot/TuningTables.h"

namespace ravemo {
namespace {

constexpr int kTenthOhm = 1;
constexpr double kLowQFrom = 10.0;  // a low Q (a short or lossy antenna) shows a decimal

// Decimals that matter: a tenth of an ohm near 50, none at thousands of ohms.
constexpr double kWholeOhmsFrom = 100.0;
constexpr double kSwrOneDecimalFrom = 10.0;

QString MHz(double hz, const QLocale& locale) {
    return TableMHz(hz, locale) + QStringLiteral(" MHz");
}

}  // namespace

QString SwrText(double swr, const QLocale& locale) {
    if (const std::optional<QString> beyond = SwrBeyondScale(swr)) return *beyond;
    const int decimals = swr < kSwrOneDecimalFrom ? kSwrDecimals : 1;
    return FixedText(swr, decimals, locale);
}

QString SampleSwrText(const AntennaSample& sample, const QLocale& locale) {
    if (sample.floorSwr > 0.0) return QStringLiteral("below ") + SwrText(sample.floorSwr, locale);
    return SwrText(sample.swr, locale);
}

QString OhmsText(double ohms, const QLocale& locale) {
    if (std::isnan(ohms)) return QStringLiteral("\u2013");  // unknown at the antenna
    return FixedText(ohms, std::fabs(ohms) < kWholeOhmsFrom ? kTenthOhm : 0, locale);
}

QString ReactanceText(const AntennaSample& s, const QLocale& locale, const QString& unit) {
    if (std::isnan(s.xs)) return QStringLiteral("unknown");
    if (s.xsSign == ReactanceSign::Unknown) {
        return OhmsText(std::fabs(s.xs), locale) + unit + QStringLiteral(" (sign unknown)");
    }
    const QString text = OhmsText(s.xs, locale);
    return (s.xs > 0.0 && text != OhmsText(0.0, locale) ? locale.positiveSign() + text : text) +
           unit;
}

QString ReactanceLabel(ReactanceSign setSign) {
    return setSign == ReactanceSign::Measured ? QStringLiteral("X") : QStringLiteral("X (est.)");
}

QString SignStateText(ReactanceSign setSign) {
    if (setSign == ReactanceSign::Measured) return QStringLiteral("measured");
    return QStringLiteral(
        "estimated from |phase| (the instrument does not measure it), shown as X (est.); "
        "\"sign unknown\" where the readings cannot tell");
}

QString BandText(const SwrDip& dip, double level, const std::optional<SwrEdges>& edges,
                 double sweepLowHz, double sweepHighHz, const QLocale& locale) {
    if (!(dip.bottom.swr < level) || !edges) return QStringLiteral("not reached");
    if (const std::optional<double> width = edges->bandwidthHz()) {
        return QStringLiteral("from %1 to %2 (%3 kHz)")
            .arg(TableMHz(*edges->lowHz, locale), MHz(*edges->highHz, locale),
                 FixedText(*width / kHzPerKHz, kBandwidthKHzDecimals, locale));
    }
    const QString low = edges->lowHz ? MHz(*edges->lowHz, locale)
                                     : QStringLiteral("below ") + MHz(sweepLowHz, locale);
    const QString high = edges->highHz ? MHz(*edges->highHz, locale)
                                       : QStringLiteral("beyond ") + MHz(sweepHighHz, locale);
    return QStringLiteral("from %1 to %2").arg(low, high);
}

QString QText(const SwrDip& dip, const QLocale& locale) {
    if (dip.q) {
        return QStringLiteral("Q ") + FixedText(*dip.q, *dip.q < kLowQFrom ? 1 : 0, locale);
    }
    switch (dip.qProblem) {
        case QProblem::NotReached:
            return QStringLiteral("Q unknown: the dip does not reach 2:1");
        case QProblem::EdgeOutside:
            return QStringLiteral("Q unknown: an edge of the 2:1 band lies outside the sweep");
        case QProblem::BottomNearTwoToOne:
            return QStringLiteral("Q unknown: the lowest SWR is within one converter step of 2:1");
        case QProblem::None:
            break;
    }
    return QStringLiteral("Q unknown");
}

QString EdgeText(const SwrAtEdge& low, const QLocale& locale) {
    const bool lower = low.edge == SweepEdge::Lower;
    return QStringLiteral("the lowest SWR (%1) is at the %2 edge, %3: sweep %4")
        .arg(SwrText(low.sample.swr, locale),
             lower ? QStringLiteral("lower") : QStringLiteral("upper"), MHz(low.sample.hz, locale),
             lower ? QStringLiteral("lower") : QStringLiteral("higher"));
}

std::optional<QString> TrimAmountText(double lengthChangePercent, const QLocale& locale) {
    const QString amount = FixedText(std::fabs(lengthChangePercent), kTrimPercentDecimals, locale);
    if (amount == FixedText(0.0, kTrimPercentDecimals, locale)) return std::nullopt;
    return amount;
}

QString TrimText(const TrimAdvice& trim, double swrLimit, const QLocale& locale) {
    switch (trim.basis) {
        case TrimBasis::NoSwrDip:
            return QStringLiteral("no SWR dip under %1 in the sweep")
                .arg(FixedText(swrLimit, kSwrDecimals, locale));
        case TrimBasis::LowerEdge:
        case TrimBasis::UpperEdge: {
            AntennaSample sample;
            sample.hz = trim.dipHz;
            sample.swr = trim.dipSwr;
            return EdgeText(
                {trim.basis == TrimBasis::LowerEdge ? SweepEdge::Lower : SweepEdge::Upper, sample},
                locale);
        }
        case TrimBasis::Dip:
            break;
    }
    const double change = trim.lengthChangePercent;
    const std::optional<QString> amount = TrimAmountText(change, locale);
    const QString advice = !amount ? QStringLiteral("no change needed")
                                   : QStringLiteral("make the element %1% %2")
                                         .arg(*amount, change > 0.0 ? QStringLiteral("longer")
                                                                    : QStringLiteral("shorter"));
    return QStringLiteral("the dip at %1: %2").arg(MHz(trim.dipHz, locale), advice);
}

QString PlaneWords(ReferencePlane plane) {
    return plane == ReferencePlane::Antenna ? QStringLiteral("at the antenna")
                                            : QStringLiteral("at the analyser");
}

QString FeedpointText(const Feedline& line, const std::vector<UnseenStretch>& unseen,
                      const QLocale& locale) {
    QString text = QStringLiteral("at the antenna, through %1 m of %2")
                       .arg(FixedText(line.lengthM, line.lengthM < 10.0 ? 1 : 0, locale),
                            line.type.description);
    if (unseen.empty()) return text;
    QStringList stretches;
    for (const UnseenStretch& u : unseen) {
        stretches << (u.lowHz == u.highHz
                          ? QStringLiteral("at %1").arg(MHz(u.lowHz, locale))
                          : QStringLiteral("from %1 to %2")
                                .arg(TableMHz(u.lowHz, locale), MHz(u.highHz, locale)));
    }
    return text + QStringLiteral(
                      "; the antenna cannot be seen through it %1 (the return loss "
                      "there lies within twice the cable's loss)")
                      .arg(stretches.join(QStringLiteral(", ")));
}

QString TrimSentence(const TrimAdvice& trim, double swrLimit, const QLocale& locale) {
    return QStringLiteral("Trim for %1: %2")
        .arg(MHz(trim.targetHz, locale), TrimText(trim, swrLimit, locale));
}

}  // namespace ravemo
