#include "sweep/ReachableRange.h"

#include <algorithm>

#include <QStringList>

#include "common/NumberText.h"
#include "instrument/Dds.h"

namespace ravemo {
namespace {

// Which way a limit misses the range, or an empty text when it does not.
QString side(const char* limit, double hz, const QString& top) {
    if (FrequencyIsReachable(hz)) return {};
    return hz < 0.0 ? QStringLiteral("the %1 limit is below 0").arg(QLatin1String(limit))
                    : QStringLiteral("the %1 limit is above %2 MHz").arg(QLatin1String(limit), top);
}

}  // namespace

bool FrequencyIsReachable(double hz) { return WordIsReachable(TuningWord(hz)); }

QString RangeNotice(double lowerHz, double upperHz, const QLocale& locale) {
    const QString top = NumberText::generalFormat(kReachableTopMHz, locale);
    QStringList beyond;
    for (const QString& part : {side("lower", lowerHz, top), side("upper", upperHz, top)}) {
        if (!part.isEmpty()) beyond << part;
    }
    if (beyond.isEmpty()) return {};
    return QStringLiteral(
               "The synthesiser reaches 0 to %1 MHz: %2. Points out of its reach are "
               "not measured.")
        .arg(top, beyond.join(QStringLiteral(" and ")));
}

std::int64_t ReachablePointCount(const SweepData& data, std::int32_t step) {
    const std::int64_t stride = std::max<std::int32_t>(step, 1);
    std::int64_t count = 0;
    for (std::int64_t i = 0; i <= data.champ(); i += stride) {
        if (WordIsReachable(data.DdsWords[static_cast<std::size_t>(i)])) ++count;
    }
    return count;
}

}  // namespace ravemo
