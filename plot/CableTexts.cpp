#include "plot/CableTexts.h"

#include <cmath>

#include <QStringList>

#include "plot/DistanceToFaultPainter.h"
#include "plot/FrequencyLabels.h"
#include "plot/TuningTables.h"

namespace ravemo {
namespace {

constexpr int kLossDecimals = 2;
constexpr int kCoefficientDecimals = 4;
constexpr int kFactorDecimals = 3;
constexpr int kMetreDecimals = 2;
constexpr int kReflectionDecimals = 2;
constexpr int kBandColumn = 5;
constexpr int kMHzColumn = 8;
constexpr int kLossColumn = 5;

QString Metres(double metres, const QLocale& locale) {
    return FixedText(metres, metres < 100.0 ? kMetreDecimals : 0, locale) + QStringLiteral(" m");
}

QString FitText(const LossFit& fit, const QLocale& locale) {
    return QStringLiteral("%1 √f + %2 f")
        .arg(FixedText(fit.sqrtCoefficient, kCoefficientDecimals, locale),
             FixedText(fit.linearCoefficient, kCoefficientDecimals, locale));
}

}  // namespace

QString CableEndName(CableEnd end) {
    return end == CableEnd::Open ? QStringLiteral("open") : QStringLiteral("shorted");
}

QString LossAtFrequencyText(const LossAtFrequency& loss, const QLocale& locale) {
    const QString band = loss.band ? QString::fromLatin1(loss.band) : QString();
    return QStringLiteral("%1 %2 MHz  %3 dB")
        .arg(band, -kBandColumn)
        .arg(TableMHz(loss.hz, locale), kMHzColumn)
        .arg(FixedText(loss.lossDb, kLossDecimals, locale), kLossColumn);
}

QString LossFitText(const CableMeasurement& m, const QLocale& locale) {
    if (!m.lossFit) return QStringLiteral("no loss fit: no sample with a return loss");
    QString text = QStringLiteral("one-way loss %1 dB (f in MHz)").arg(FitText(*m.lossFit, locale));
    if (m.lossPer100m) {
        text += QStringLiteral("; per 100 m %1, nearest %2")
                    .arg(FitText(m.lossPer100m->fit, locale), m.lossPer100m->nearestDescription);
    } else {
        text += QStringLiteral("; per 100 m unknown: the length is unknown");
    }
    return text;
}

QString VelocityAndLengthText(const CableMeasurement& m, const QLocale& locale) {
    const std::size_t count = m.resonances.hz.size();
    switch (m.problem) {
        case CableLengthProblem::FewerThanTwoResonances:
            return QStringLiteral(
                       "velocity factor and length unknown: %1 resonance(s) of the line in the "
                       "sweep, two are needed; sweep wider or higher")
                .arg(count);
        case CableLengthProblem::VelocityFactorOutOfRange:
            return QStringLiteral(
                       "velocity factor unknown: the resonances every %1 MHz and the length %2 "
                       "give a factor outside 0.1 to 1; check the length and the far end")
                .arg(TableMHz(*m.resonances.quarterWaveHz, locale),
                     Metres(m.lengthM.value_or(0.0), locale));
        case CableLengthProblem::None:
            break;
    }
    if (!m.velocityFactor || !m.lengthM || !m.resonances.quarterWaveHz) {
        return QStringLiteral("give the length or the velocity factor");
    }
    return QStringLiteral("velocity factor %1, length %2 (%3 resonances, every %4 MHz)")
        .arg(FixedText(*m.velocityFactor, kFactorDecimals, locale), Metres(*m.lengthM, locale))
        .arg(count)
        .arg(TableMHz(*m.resonances.quarterWaveHz, locale));
}

QString FaultText(const CableMeasurement& m, std::size_t peak, const QLocale& locale) {
    const FaultPeak& p = m.distance->peaks[peak];
    QString what;
    if (m.endPeak && *m.endPeak == peak) {
        what = QStringLiteral("the %1 end").arg(CableEndName(m.end));
    } else if (p.reflection > 0.0) {
        what = QStringLiteral("impedance rises (an open, a higher-impedance section)");
    } else {
        what = QStringLiteral("impedance falls (a short, a lower-impedance section)");
    }
    const QString size = FixedText(p.reflection, kReflectionDecimals, locale);
    return QStringLiteral("%1  %2  %3")
        .arg(Metres(p.distanceM, locale), p.reflection > 0.0 ? locale.positiveSign() + size : size,
             what);
}

QString ResolutionText(const CableMeasurement& m, const QLocale& locale) {
    if (!m.distance) {
        return QStringLiteral("no distance to fault: the velocity factor is unknown");
    }
    const DistanceResponse& d = *m.distance;
    return QStringLiteral(
               "resolution %1 (twice the %2 of an unwindowed transform: Hann window), range %3")
        .arg(Metres(d.resolutionM, locale), Metres(d.resolutionM / kHannWidening, locale),
             Metres(d.rangeM, locale));
}

QString DistanceToFaultText(const CableMeasurement& m, const QLocale& locale) {
    if (!m.distance) {
        QString why = ResolutionText(m, locale);
        why[0] = why[0].toUpper();
        return why + u'.';
    }
    const double shownM = ShownDistanceM(m);
    QString text = QStringLiteral("Distance to fault: ");
    QStringList marked;
    for (std::size_t i = 0; i < m.distance->peaks.size(); ++i) {
        if (m.distance->peaks[i].distanceM <= shownM)
            marked << FaultText(m, i, locale).replace(QStringLiteral("  "), QStringLiteral(", "));
    }
    text += QStringLiteral("reflection along the line from 0 to %1. ").arg(Metres(shownM, locale));
    text += marked.isEmpty()
                ? QStringLiteral("No reflection above %1.")
                      .arg(FixedText(kSmallestFaultReflection, kReflectionDecimals, locale))
                : (marked.size() == 1
                       ? QStringLiteral("1 reflection: %1.")
                       : QStringLiteral("%1 reflections, nearest first: %2.").arg(marked.size()))
                      .arg(marked.join(QStringLiteral("; ")));
    return text +
           QStringLiteral(" The resolution is %1, the range %2.")
               .arg(Metres(m.distance->resolutionM, locale), Metres(m.distance->rangeM, locale));
}

QString CableFindingsText(const CableMeasurement& m, const QLocale& locale) {
    QString text = QStringLiteral("One-way loss (half the return loss):\n");
    for (const LossAtFrequency& loss : m.losses) {
        text += QStringLiteral("  ") + LossAtFrequencyText(loss, locale) + '\n';
    }
    text += QStringLiteral("  ") + LossFitText(m, locale) + QStringLiteral("\n\n");
    text += VelocityAndLengthText(m, locale) + QStringLiteral("\n\n");
    text += QStringLiteral("Distance to fault: ") + ResolutionText(m, locale) + '\n';
    if (m.distance) {
        if (m.distance->peaks.empty()) {
            text += QStringLiteral("  no reflection above %1\n")
                        .arg(FixedText(kSmallestFaultReflection, kReflectionDecimals, locale));
        }
        for (std::size_t i = 0; i < m.distance->peaks.size(); ++i) {
            text += QStringLiteral("  ") + FaultText(m, i, locale) + '\n';
        }
    }
    return text;
}

}  // namespace ravemo
