#include "plot/ReferenceShift.h"

#include <cmath>

#include "common/Units.h"
#include "plot/FrequencyLabels.h"
#include "plot/TuningTables.h"
#include "plot/Verdicts.h"

namespace ravemo {
namespace {

constexpr double kTenKHz = 1e4;

struct ShiftUnit {
    double hzPerUnit;
    int decimals;
    const char* name;
};

ShiftUnit UnitFor(double magnitudeHz) {
    if (magnitudeHz >= kHzPerMHz) return {kHzPerMHz, 3, "MHz"};
    if (magnitudeHz >= kTenKHz) return {kHzPerKHz, 0, "kHz"};
    if (magnitudeHz >= kHzPerKHz) return {kHzPerKHz, 1, "kHz"};
    return {1.0, 0, "Hz"};
}

QString SwrOrDash(const std::optional<double>& swr, const QLocale& locale) {
    if (!swr) return QStringLiteral("\u2013");
    return SwrText(*swr, locale);
}

QString FrequencyPart(const HistoryPoint& now, const HistoryPoint& reference,
                      const QLocale& locale) {
    const bool dips = now.kind == TunedFrequency::Dip && reference.kind == TunedFrequency::Dip;
    const QString what = dips ? QStringLiteral("dip") : QStringLiteral("lowest SWR");
    if (now.resonanceHz && reference.resonanceHz) {
        const double shiftHz = *now.resonanceHz - *reference.resonanceHz;
        if (FrequencyShiftText(shiftHz, locale) == FrequencyShiftText(0.0, locale)) {
            return QStringLiteral("%1 unchanged since reference").arg(what);
        }
        return QStringLiteral("%1 %2 since reference")
            .arg(what, FrequencyShiftText(shiftHz, locale));
    }
    if (reference.resonanceHz) {
        return QStringLiteral("no %1 now, was %2 MHz")
            .arg(what, TableMHz(*reference.resonanceHz, locale));
    }
    if (now.resonanceHz) {
        return QStringLiteral("%1 %2 MHz, none in the reference")
            .arg(what, TableMHz(*now.resonanceHz, locale));
    }
    return {};
}

}  // namespace

QString FrequencyShiftText(double deltaHz, const QLocale& locale) {
    const ShiftUnit unit = UnitFor(std::fabs(deltaHz));
    const QString magnitude = FixedText(std::fabs(deltaHz) / unit.hzPerUnit, unit.decimals, locale);
    const bool zero = magnitude == FixedText(0.0, unit.decimals, locale);
    const QString sign = zero            ? QString()
                         : deltaHz < 0.0 ? locale.negativeSign()
                                         : locale.positiveSign();
    return sign + magnitude + u' ' + QLatin1String(unit.name);
}

QString ReferenceShiftText(const HistoryPoint& now, const HistoryPoint& reference,
                           const QLocale& locale) {
    QStringList parts;
    const QString frequency = FrequencyPart(now, reference, locale);
    if (!frequency.isEmpty()) parts << frequency;
    if (now.lowestSwr || reference.lowestSwr) {
        parts << QStringLiteral("lowest SWR %1, was %2")
                     .arg(SwrOrDash(now.lowestSwr, locale), SwrOrDash(reference.lowestSwr, locale));
    }
    return parts.join(QStringLiteral("; "));
}

}  // namespace ravemo
