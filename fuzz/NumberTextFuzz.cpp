// The number text under a point, a comma and an Arabic locale: the four readings on any text,
// and the formats with their round trips. The first byte picks the locale; the next eight (or
// four) bytes are also taken as a double (a float) to print.
#include <array>
#include <cmath>
#include <cstring>

#include "FuzzCheck.h"
#include "common/NumberText.h"

using namespace ravemo;
namespace NT = ravemo::NumberText;

namespace {

// The smallest magnitude whose 15 significant digits round beyond the largest double.
constexpr double kLargestDoubleIn15Digits = 1.797693134862315e308;

// Whether `text` reads back in `locale` as a number within `tolerance` of `value`.
bool readsBackNear(const QString& text, double value, double tolerance, const QLocale& locale) {
    const std::optional<double> back = NT::parseLocaleNumber(text, locale);
    return back && std::fabs(*back - value) <= tolerance;
}

void checkFormats(double value, const QLocale& locale) {
    const QString general = NT::generalFormat(value, locale);
    static_cast<void>(NT::exportForm(value, locale));
    const QString twoDecimals = NT::formatTwoDecimals(value, locale);
    const QString grouped = NT::formatGrouped(value, locale);
    if (!std::isfinite(value)) return;
    const QString detail = QStringLiteral("%1 -> '%2' '%3' '%4'")
                               .arg(value, 0, 'g', 17)
                               .arg(general, twoDecimals, grouped);
    // Printed with 15 significant digits, read back, printed again: the same text. Next to the
    // largest double the 15 rounded digits (1.79769313486232E+308) lie beyond every double.
    const std::optional<double> back = NT::parseLocaleNumber(general, locale);
    Require((back && NT::generalFormat(*back, locale) == general) ||
                std::fabs(value) >= kLargestDoubleIn15Digits,
            "general format round trip", detail);
    // The display patterns round to 15 significant digits first.
    const double digitsError = std::fabs(value) * 1e-14;
    if (twoDecimals == NT::notANumberMark()) {
        Require(std::fabs(value) >= kLargestDoubleIn15Digits,
                "##0.## gives the no-number mark only next to the largest double", detail);
    } else {
        Require(readsBackNear(twoDecimals, value, 0.005 + digitsError, locale),
                "##0.## reads back as the value to two decimals", detail);
    }
    if (grouped == NT::notANumberMark()) {
        Require(std::fabs(value) >= kLargestDoubleIn15Digits,
                "##,##0 gives the no-number mark only next to the largest double", detail);
    } else {
        const std::optional<double> whole = NT::parseLocaleNumber(grouped, locale);
        Require(
            whole && *whole == std::trunc(*whole) && std::fabs(*whole - value) <= 0.5 + digitsError,
            "##,##0 reads back as the rounded value", detail);
    }
}

void checkFormats(float value, const QLocale& locale) {
    const QString general = NT::generalFormat(value, locale);
    static_cast<void>(NT::exportForm(value, locale));
    if (!std::isfinite(value)) return;
    const std::optional<double> back = NT::parseLocaleNumber(general, locale);
    Require(back && NT::generalFormat(static_cast<float>(*back), locale) == general,
            "single-precision general format round trip",
            QStringLiteral("%1 -> '%2'").arg(static_cast<double>(value), 0, 'g', 9).arg(general));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const std::array<QLocale, 3> locales = {QLocale::c(),
                                                   QLocale(QLocale::German, QLocale::Germany),
                                                   QLocale(QLocale::Arabic, QLocale::Egypt)};
    const QLocale& locale = locales[data[0] % locales.size()];
    const QString text = QString::fromUtf8(BytesOf(data + 1, size - 1));

    static_cast<void>(NT::leadingNumber(text));
    static_cast<void>(NT::parseLocaleNumber(text, locale));
    const double box = NT::leadingNumberOfBox(text, locale);
    // The box reading accepts exactly one number as the sweep scans it, with the same value.
    if (const std::optional<double> whole = NT::parseBoxNumber(text, locale)) {
        Require(*whole == box, "parseBoxNumber agrees with leadingNumberOfBox", text);
    }

    if (size >= 1 + sizeof(double)) {
        double value = 0.0;
        std::memcpy(&value, data + 1, sizeof value);
        checkFormats(value, locale);
    }
    if (size >= 1 + sizeof(float)) {
        float value = 0.0F;
        std::memcpy(&value, data + 1, sizeof value);
        checkFormats(value, locale);
    }
    return 0;
}
