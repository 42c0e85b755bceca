#include <cmath>

#include <QStringList>

#include "cli/AnalysisOutput.h"
#include "common/NumberText.h"
#include "common/SwrBeyondScale.h"
#include "common/Units.h"
#include "plot/TuningTables.h"
#include "plot/Verdicts.h"

namespace ravemo {
namespace {

constexpr double kLargestPlainNumber = 1e9;

class ReportText {
  public:
    ReportText(const AnalysisOutputInput& input, const QLocale& locale)
        : in_(input), locale_(locale), reactanceLabel_(ReactanceLabel(input.set.sign)) {}

    QString text() {
        header();
        dips();
        resonances();
        bands();
        if (in_.analysis.trim) trim();
        if (in_.options.velocityFactor) cable();
        if (in_.withSamples) samples();
        return lines_.join(u'\n') + u'\n';
    }

  private:
    QString mhz(double hz) const { return TableMHz(hz, locale_) + QStringLiteral(" MHz"); }
    // Two decimals at most; a magnitude no antenna gives (|Z| near a full reflection, a length
    // from a frequency near 0) in powers of ten rather than a page of digits.
    QString number(double value) const {
        if (std::isnan(value)) return QStringLiteral("\u2013");  // unknown at the antenna
        if (std::fabs(value) >= kLargestPlainNumber) {
            return NumberText::generalFormat(value, locale_);
        }
        return NumberText::formatTwoDecimals(value, locale_);
    }
    QString swr(double value) const { return SwrBeyondScale(value).value_or(number(value)); }
    QString ohms(double value) const { return number(value) + QStringLiteral(" ohm"); }
    QString percent(double fraction) const {
        return number(fraction * kPercent) + QStringLiteral(" %");
    }

    void header() {
        const auto& samples = in_.set.samples;
        lines_ << QStringLiteral("Antenna analysis of %1").arg(in_.source);
        lines_ << QStringLiteral("  %1 points from %2 to %3; %4")
                      .arg(samples.size())
                      .arg(mhz(samples.front().hz), mhz(samples.back().hz),
                           QStringLiteral("the sign of the reactance is ") +
                               SignStateText(in_.set.sign));
        if (in_.feedline) {
            lines_ << QStringLiteral("  Every figure stands ") +
                          FeedpointText(*in_.feedline, in_.unseen, locale_);
        }
        if (in_.analysis.lowestAtEdge) {
            lines_ << QStringLiteral("  No dip there: ") +
                          EdgeText(*in_.analysis.lowestAtEdge, locale_);
        }
    }

    QString band(const char* name, double level, const SwrDip& dip,
                 const std::optional<SwrEdges>& e) const {
        const auto& samples = in_.set.samples;
        return QStringLiteral("      SWR %1 ").arg(QLatin1String(name)) +
               BandText(dip, level, e, samples.front().hz, samples.back().hz, locale_);
    }

    void dips() {
        const auto& dips = in_.analysis.dips;
        lines_ << QString()
               << QStringLiteral("SWR dips below %1%2")
                      .arg(number(in_.options.swrLimit),
                           dips.empty() ? QStringLiteral(": none") : QStringLiteral(":"));
        int rank = 0;
        for (const SwrDip& dip : dips) {
            const AntennaSample& s = dip.bottom;
            lines_ << QStringLiteral("  %1. %2: SWR %3, return loss %4 dB, Rs %5, %6 %7, |Z| %8")
                          .arg(++rank)
                          .arg(mhz(s.hz),
                               s.floorSwr > 0.0 ? QStringLiteral("below ") + swr(s.floorSwr)
                                                : swr(s.swr),
                               number(s.returnLossDb), ohms(s.rs), reactanceLabel_,
                               ReactanceText(s, locale_, QStringLiteral(" ohm")), ohms(s.z));
            lines_ << band("2:1", kSwrTwoToOne, dip, dip.swr2)
                   << band("1.5:1", kSwrOneAndHalf, dip, dip.swr15);
            lines_ << QStringLiteral("      ") + QText(dip, locale_) +
                          (dip.q ? QStringLiteral(" (from the 2:1 bandwidth)") : QString());
        }
    }

    void resonances() {
        const auto& resonances = in_.analysis.resonances;
        lines_ << QString()
               << (resonances.empty() ? QStringLiteral("Resonances (zeros of X): none")
                                      : QStringLiteral("Resonances (zeros of X):"));
        for (const Resonance& r : resonances) {
            lines_ << QStringLiteral("  %1: %2, Rs %3")
                          .arg(mhz(r.hz),
                               r.kind == ResonanceKind::Series ? QStringLiteral("series")
                                                               : QStringLiteral("parallel"),
                               ohms(r.rs));
        }
    }

    void bands() {
        const auto& bands = in_.analysis.bands;
        lines_ << QString()
               << QStringLiteral("Amateur bands in the sweep (IARU region %1)%2")
                      .arg(in_.options.region)
                      .arg(bands.empty() ? QStringLiteral(": none") : QStringLiteral(":"));
        for (const BandCoverage& b : bands) {
            QString line =
                QStringLiteral("  %1 (%2 to %3): ")
                    .arg(QLatin1String(b.band.name), mhz(b.band.lowHz), mhz(b.band.highHz));
            if (b.minSwr && b.minSwrHz && b.below2Fraction) {
                line += QStringLiteral("lowest SWR %1 at %2, %3 of its samples under SWR 2, ")
                            .arg(swr(*b.minSwr), mhz(*b.minSwrHz), percent(*b.below2Fraction));
            } else {
                line += QStringLiteral("no sample in the band, ");
            }
            lines_ << line + QStringLiteral("%1 of the band swept").arg(percent(b.coveredFraction));
        }
    }

    void trim() {
        lines_ << QString() << TrimSentence(*in_.analysis.trim, in_.options.swrLimit, locale_);
    }

    void cable() {
        const auto& cable = in_.analysis.cable;
        const QString head =
            QStringLiteral("Cable open at its far end, velocity factor %1: ")
                .arg(NumberText::generalFormat(*in_.options.velocityFactor, locale_));
        lines_ << QString();
        if (cable && cable->length) {
            lines_ << head + QStringLiteral("quarter wave at %1, length %2 m")
                                 .arg(mhz(cable->length->quarterWaveHz),
                                      number(cable->length->lengthM));
        } else if (cable && cable->problem == CableProblem::SweepStartsAboveQuarterWave) {
            lines_ << head + QStringLiteral(
                                 "a parallel resonance lies below the first series "
                                 "one, so the sweep starts above the quarter-wave "
                                 "frequency; sweep from a lower frequency");
        } else {
            lines_ << head + QStringLiteral(
                                 "no series resonance in the sweep; sweep from a lower "
                                 "frequency or a wider range");
        }
    }

    void samples() {
        lines_ << QString()
               << QStringLiteral("MHz\tSWR\tRs (ohm)\t%1 (ohm)\t|Z| (ohm)").arg(reactanceLabel_);
        for (const AntennaSample& s : in_.set.samples) {
            lines_ << QStringLiteral("%1\t%2\t%3\t%4\t%5")
                          .arg(NumberText::generalFormat(s.hz / kHzPerMHz, locale_), swr(s.swr),
                               number(s.rs),
                               s.xsSign == ReactanceSign::Unknown
                                   ? number(std::fabs(s.xs)) + QStringLiteral(" (sign unknown)")
                                   : number(s.xs),
                               number(s.z));
        }
    }

    const AnalysisOutputInput& in_;
    const QLocale& locale_;
    QString reactanceLabel_;
    QStringList lines_;
};

}  // namespace

QString AnalysisReport(const AnalysisOutputInput& input, const QLocale& locale) {
    return ReportText(input, locale).text();
}

}  // namespace ravemo
