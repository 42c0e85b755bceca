#include "files/report/AntennaReport.h"

#include <cmath>

#include "common/ProgramVersion.h"
#include "plot/FrequencyLabels.h"
#include "plot/ReferenceShift.h"
#include "plot/Verdicts.h"

namespace ravemo {
namespace {

constexpr int kCableMetreDecimals = 2;
constexpr int kVelocityFactorDecimals = 2;

QString MHz(double hz, const QLocale& locale) {
    return TableMHz(hz, locale) + QStringLiteral(" MHz");
}

QString TrimLine(const ReportInput& in, const QLocale& locale) {
    if (!in.analysis.trim) return {};
    return TrimSentence(*in.analysis.trim, in.options.swrLimit, locale);
}

QString CableText(const ReportInput& in, const QLocale& locale) {
    if (!in.options.velocityFactor) return {};
    const QString head =
        QStringLiteral("Cable open at its far end, velocity factor %1: ")
            .arg(FixedText(*in.options.velocityFactor, kVelocityFactorDecimals, locale));
    const std::optional<CableEstimate>& cable = in.analysis.cable;
    if (cable && cable->length) {
        return head + QStringLiteral("quarter wave at %1, length %2 m")
                          .arg(MHz(cable->length->quarterWaveHz, locale),
                               FixedText(cable->length->lengthM, kCableMetreDecimals, locale));
    }
    if (cable && cable->problem == CableProblem::SweepStartsAboveQuarterWave) {
        return head + QStringLiteral(
                          "the sweep starts above the quarter-wave frequency; sweep "
                          "from a lower frequency");
    }
    return head + QStringLiteral("no series resonance in the sweep");
}

std::vector<ReportFact> Facts(const ReportInput& in, const QLocale& locale) {
    const std::vector<AntennaSample>& samples = in.live.samples;
    std::vector<ReportFact> facts{
        {QStringLiteral("Made"), locale.toString(in.madeAt.date(), QLocale::LongFormat) +
                                     QStringLiteral(", ") +
                                     locale.toString(in.madeAt.time(), QLocale::ShortFormat)},
        {QStringLiteral("Program"),
         QStringLiteral("Ravemo %1").arg(QString::fromLatin1(kProgramVersion))},
        {QStringLiteral("Source"), in.source},
        {QStringLiteral("Sweep"), samples.empty() ? QStringLiteral("no measured point")
                                                  : QStringLiteral("%1 to %2")
                                                        .arg(MHz(samples.front().hz, locale),
                                                             MHz(samples.back().hz, locale))},
        {QStringLiteral("Points"), locale.toString(static_cast<qlonglong>(samples.size()))},
        {QStringLiteral("Band plan"), QStringLiteral("IARU region %1").arg(in.options.region)},
        {QStringLiteral("Sign of X"), SignStateText(in.live.sign)},
    };
    if (!in.feedpoint.isEmpty()) facts.push_back({QStringLiteral("Figures"), in.feedpoint});
    if (in.analysis.lowestAtEdge) {
        facts.push_back({QStringLiteral("No dip"), EdgeText(*in.analysis.lowestAtEdge, locale)});
    }
    if (in.reference) {
        facts.push_back({QStringLiteral("Reference"),
                         in.referenceName.isEmpty()
                             ? QStringLiteral("the grey trace")
                             : QStringLiteral("the grey trace: %1").arg(in.referenceName)});
        if (in.referenceAnalysis && !samples.empty()) {
            facts.push_back(
                {QStringLiteral("Since reference"),
                 ReferenceShiftText(HistoryPointOf(in.live, in.analysis),
                                    HistoryPointOf(*in.reference, *in.referenceAnalysis), locale)});
        }
    }
    return facts;
}

}  // namespace

AntennaReport BuildAntennaReport(const ReportInput& in, const QLocale& locale) {
    TuningViewChoices view = in.view;
    view.region = in.options.region;
    view.crosshairHz.reset();  // the mouse is not part of the record
    AntennaReport report;
    report.title = in.title;
    report.facts = Facts(in, locale);
    report.dips = DipTable(in.analysis.dips, in.live, locale);
    report.resonances =
        QStringLiteral("Resonances: ") + ResonancesText(in.analysis.resonances, locale);
    report.bandsHead = QStringLiteral("Amateur bands, IARU region %1").arg(in.options.region);
    report.bands = BandTable(in.analysis.bands, locale);
    report.trim = TrimLine(in, locale);
    report.cable = CableText(in, locale);
    report.scene = BuildTuningScene(in.live, in.analysis, in.reference, view, locale);
    report.history.assign(in.history.begin(), in.history.end());
    report.locale = locale;
    return report;
}

}  // namespace ravemo
