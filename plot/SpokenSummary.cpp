#include "plot/SpokenSummary.h"

#include <QLocale>
#include <QStringList>

#include "common/Units.h"
#include "plot/FrequencyLabels.h"
#include "plot/TuningTables.h"
#include "plot/Verdicts.h"

namespace ravemo {
namespace {

// The words are English, so the numbers take the point, whatever the user's locale.
const QLocale kSpokenLocale = QLocale::c();

QString SpokenMHz(double hz) {
    return SpokenNumber(TableMHz(hz, kSpokenLocale)) + QStringLiteral(" megahertz");
}

const SwrDip* DipSpokenOf(const AntennaAnalysis& analysis) {
    if (analysis.trim) {
        for (const SwrDip& dip : analysis.dips) {
            if (dip.bottom.hz == analysis.trim->dipHz) return &dip;
        }
        return nullptr;
    }
    return analysis.dips.empty() ? nullptr : &analysis.dips.front();
}

// The lowest SWR at a sweep's edge, from the trim advice or, without a target, the analysis.
std::optional<SwrAtEdge> EdgeSpokenOf(const AntennaAnalysis& analysis) {
    if (!analysis.trim) return analysis.dips.empty() ? analysis.lowestAtEdge : std::nullopt;
    const TrimBasis basis = analysis.trim->basis;
    if (basis != TrimBasis::LowerEdge && basis != TrimBasis::UpperEdge) return std::nullopt;
    SwrAtEdge edge{basis == TrimBasis::LowerEdge ? SweepEdge::Lower : SweepEdge::Upper, {}};
    edge.sample.hz = analysis.trim->dipHz;
    edge.sample.swr = analysis.trim->dipSwr;
    return edge;
}

QString BandSentence(const SwrDip& dip) {
    if (!dip.swr2 || !(dip.bottom.swr < kSwrTwoToOne)) {
        return QStringLiteral("Two to one not reached.");
    }
    if (const std::optional<double> width = dip.swr2->bandwidthHz()) {
        return QStringLiteral("Two to one band %1 kilohertz.")
            .arg(SpokenNumber(FixedText(*width / kHzPerKHz, kBandwidthKHzDecimals, kSpokenLocale)));
    }
    return QStringLiteral("Two to one band reaches beyond the sweep.");
}

QString TrimSentence(const TrimAdvice& trim) {
    const std::optional<QString> amount = TrimAmountText(trim.lengthChangePercent, kSpokenLocale);
    if (!amount) return QStringLiteral("No change needed.");
    return QStringLiteral("%1 by %2 percent.")
        .arg(
            trim.lengthChangePercent > 0.0 ? QStringLiteral("Lengthen") : QStringLiteral("Shorten"),
            SpokenNumber(*amount));
}

}  // namespace

QString SpokenNumber(const QString& text) {
    if (text == QStringLiteral("\u221e")) return QStringLiteral("infinite");
    if (text.startsWith(QStringLiteral("> "))) {
        return QStringLiteral("more than ") + SpokenNumber(text.mid(2));
    }
    if (text.startsWith(QStringLiteral("below "))) {
        return QStringLiteral("below ") + SpokenNumber(text.mid(6));
    }
    const qsizetype point = text.indexOf(u'.');
    if (point < 0) return text;
    QString decimals = text.mid(point + 1);
    while (decimals.endsWith(u'0')) decimals.chop(1);
    QString whole = text.left(point);
    if (decimals.isEmpty()) return whole;
    QStringList digits;
    for (const QChar digit : decimals) digits << QString(digit);
    return whole + QStringLiteral(" point ") + digits.join(u' ');
}

std::optional<double> SpokenDipHz(const AntennaAnalysis& analysis) {
    if (const SwrDip* dip = DipSpokenOf(analysis)) return dip->bottom.hz;
    if (const std::optional<SwrAtEdge> edge = EdgeSpokenOf(analysis)) return edge->sample.hz;
    return std::nullopt;
}

QString SpokenSummary(const AntennaAnalysis& analysis, bool sweepMade, double swrLimit) {
    if (!sweepMade) return QStringLiteral("No sweep yet.");
    if (const SwrDip* dip = DipSpokenOf(analysis)) {
        QString text = QStringLiteral("Dip %1, SWR %2. ")
                           .arg(SpokenMHz(dip->bottom.hz),
                                SpokenNumber(SampleSwrText(dip->bottom, kSpokenLocale))) +
                       BandSentence(*dip);
        if (analysis.trim) text += u' ' + TrimSentence(*analysis.trim);
        return text;
    }
    if (const std::optional<SwrAtEdge> edge = EdgeSpokenOf(analysis)) {
        const bool lower = edge->edge == SweepEdge::Lower;
        return QStringLiteral("Lowest SWR %1 at the %2 edge, %3. Sweep %4.")
            .arg(SpokenNumber(SwrText(edge->sample.swr, kSpokenLocale)),
                 lower ? QStringLiteral("lower") : QStringLiteral("upper"),
                 SpokenMHz(edge->sample.hz),
                 lower ? QStringLiteral("lower") : QStringLiteral("higher"));
    }
    return QStringLiteral("No SWR dip under %1 in the sweep.")
        .arg(SpokenNumber(FixedText(swrLimit, kSwrDecimals, kSpokenLocale)));
}

}  // namespace ravemo
