#include "common/FeedlineText.h"

#include <array>
#include <cmath>

#include <QLocale>
#include <QStringList>

#include "common/NumberText.h"

#include "common/Units.h"

namespace ravemo {
namespace {

constexpr int kUserFields = 8;  // user, metres, ohms, VF, MHz, dB, MHz, dB

std::optional<double> Number(const QString& text) {
    const std::optional<double> value = NumberText::parseLocaleNumber(text.trimmed(), QLocale::c());
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

ParsedFeedline Refuse(const QString& text, const QString& why) {
    return {std::nullopt, QStringLiteral("feedline '%1': %2; a feedline is %3")
                              .arg(text, why, QLatin1String(kFeedlineForms))};
}

}  // namespace

ParsedFeedline ParseFeedline(const QString& text) {
    const QStringList fields = text.split(u':');
    if (fields.size() < 2) return Refuse(text, QStringLiteral("no length"));
    const std::optional<double> metres = Number(fields[1]);
    if (!metres || *metres < 0.0 || *metres > kLongestFeedlineM) {
        return Refuse(text, QStringLiteral("the length must be a number of metres from 0 to %1")
                                .arg(kLongestFeedlineM));
    }
    if (fields[0].trimmed().compare(QLatin1String("user"), Qt::CaseInsensitive) == 0) {
        if (fields.size() != kUserFields) {
            return Refuse(text, QStringLiteral("a user's line takes eight fields"));
        }
        std::array<double, kUserFields> v{};
        for (int i = 2; i < kUserFields; ++i) {
            const std::optional<double> value = Number(fields[i]);
            if (!value) return Refuse(text, QStringLiteral("'%1' is not a number").arg(fields[i]));
            v.at(static_cast<std::size_t>(i)) = *value;
        }
        const std::optional<FeedlineType> type =
            UserFeedlineType(v[2], v[3], v[4] * kHzPerMHz, v[5], v[6] * kHzPerMHz, v[7]);
        if (!type) {
            return Refuse(text, QStringLiteral("the impedance must be above 0, the VF above 0 and "
                                               "at most 1, two different frequencies above 0 "
                                               "and losses of 0 or more"));
        }
        return {Feedline{*type, *metres}, {}};
    }
    if (fields.size() != 2) return Refuse(text, QStringLiteral("too many fields"));
    const std::optional<FeedlineType> type = FeedlineTypeNamed(fields[0]);
    if (!type) return Refuse(text, QStringLiteral("'%1' is no known type").arg(fields[0]));
    return {Feedline{*type, *metres}, {}};
}

}  // namespace ravemo
