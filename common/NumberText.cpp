#include "common/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace ravemo::NumberText {
namespace {

QLocale& processLocale() {
    static QLocale locale = QLocale::system();
    return locale;
}

// 0.0001 is the smallest magnitude written without an exponent; 0.00001 reads 1E-05.
constexpr int kSmallestPlainExponent = -4;
// Stands in for an exponent too long to read: far beyond any double either way.
constexpr long long kHugeExponent = 1'000'000'000LL;

bool isSkippedBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }

// Decimal digits and decimal exponent of |value| rounded to `significant` digits.
struct Scientific {
    std::string digits;  // without trailing zeros, at least one digit
    int exponent = 0;    // value = 0.d1d2d3... x 10^(exponent + 1)
};

template <typename Number>
Scientific toScientific(Number magnitude, int significant) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, significant - 1);
    const std::string text(buffer, result.ptr);
    const auto ePos = text.find('e');
    Scientific sci;
    for (std::size_t i = 0; i < ePos; ++i) {
        if (text[i] != '.') sci.digits.push_back(text[i]);
    }
    while (sci.digits.size() > 1 && sci.digits.back() == '0') sci.digits.pop_back();
    sci.exponent = std::stoi(text.substr(ePos + 1));
    return sci;
}

template <typename Number>
QString general(Number value, int significant, const QLocale& locale, bool leadingZero) {
    if (!std::isfinite(value)) return notANumberMark();
    if (value == 0) return QStringLiteral("0");
    const QString point = locale.decimalPoint();
    const Scientific sci = toScientific(std::fabs(value), significant);
    QString text = value < 0 ? QStringLiteral("-") : QString();
    const int digitCount = static_cast<int>(sci.digits.size());
    // Plain form from 0.0001 up to (not including) 10^significant; exponent form outside.
    if (sci.exponent >= significant || sci.exponent < kSmallestPlainExponent) {
        text += QChar(sci.digits[0]);
        if (digitCount > 1) text += point + QString::fromLatin1(sci.digits.substr(1));
        const int exponentMagnitude = std::abs(sci.exponent);
        text += sci.exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        text += QString::number(exponentMagnitude).rightJustified(2, u'0');
        return text;
    }
    if (sci.exponent < 0) {
        if (leadingZero) text += u'0';
        text += point + QString(-sci.exponent - 1, u'0') + QString::fromLatin1(sci.digits);
        return text;
    }
    const int integerDigits = sci.exponent + 1;
    if (digitCount <= integerDigits) {
        text += QString::fromLatin1(sci.digits) + QString(integerDigits - digitCount, u'0');
    } else {
        text += QString::fromLatin1(sci.digits.substr(0, integerDigits)) + point +
                QString::fromLatin1(sci.digits.substr(integerDigits));
    }
    return text;
}

template <typename Number>
QString exportOf(Number value, int significant, const QLocale& locale) {
    QString digits = general(value, significant, locale, false);
    if (!digits.startsWith(u'-')) digits.prepend(u' ');
    return digits + u' ';
}

// For a number text that does not fit a double: true when it is too large rather than too
// small. The text is digits with an optional sign, point and "e" exponent.
bool isHugeRatherThanTiny(const std::string& number) {
    const auto ePos = number.find('e');
    long long exponent = 0;
    if (ePos != std::string::npos) {
        std::string exponentText = number.substr(ePos + 1);
        if (!exponentText.empty() && exponentText.front() == '+') exponentText.erase(0, 1);
        const auto parsed = std::from_chars(exponentText.data(),
                                            exponentText.data() + exponentText.size(), exponent);
        if (parsed.ec == std::errc::result_out_of_range) {
            exponent = exponentText.front() == '-' ? -kHugeExponent : kHugeExponent;
        }
    }
    // Power of ten of the first significant digit of the mantissa.
    long long power = 0;
    long long integerDigits = 0;
    long long zerosAfterPoint = 0;
    bool afterPoint = false;
    bool significantSeen = false;
    for (std::size_t i = 0; i < std::min(ePos, number.size()) && !significantSeen; ++i) {
        const char c = number[i];
        if (c == '.') {
            afterPoint = true;
        } else if (c >= '1' && c <= '9') {
            significantSeen = true;
        } else if (c == '0' && afterPoint) {
            ++zerosAfterPoint;
        }
    }
    if (!significantSeen) return false;
    if (!afterPoint) {
        // The first significant digit stands before the point: count the digits from it on.
        std::size_t i = number.find_first_of("123456789");
        while (i < number.size() && number[i] >= '0' && number[i] <= '9') {
            ++integerDigits;
            ++i;
        }
        power = integerDigits - 1;
    } else {
        power = -(zerosAfterPoint + 1);
    }
    return exponent + power > 0;
}

// Scans the leading number with the given decimal separators; blanks are skipped anywhere.
double scanLeadingNumber(QStringView text, bool commaIsDecimal) {
    std::string number;
    bool seenDigit = false;
    bool seenPoint = false;
    bool inExponent = false;
    bool exponentDigits = false;
    std::size_t exponentStart = 0;
    for (const QChar c : text) {
        if (isSkippedBlank(c)) continue;
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9') {
            number.push_back(static_cast<char>(u));
            if (inExponent) {
                exponentDigits = true;
            } else {
                seenDigit = true;
            }
        } else if ((u == u'+' || u == u'-') && number.empty()) {
            number.push_back(static_cast<char>(u));
        } else if ((u == u'+' || u == u'-') && inExponent && number.size() == exponentStart) {
            number.push_back(static_cast<char>(u));
        } else if ((u == u'.' || (commaIsDecimal && u == u',')) && !seenPoint && !inExponent) {
            number.push_back('.');
            seenPoint = true;
        } else if ((u == u'e' || u == u'E' || u == u'd' || u == u'D') && seenDigit && !inExponent) {
            number.push_back('e');
            inExponent = true;
            exponentStart = number.size();
        } else {
            break;
        }
    }
    if (!seenDigit) return 0.0;
    if (inExponent && !exponentDigits) number.resize(exponentStart - 1);
    if (!number.empty() && number.front() == '+') number.erase(0, 1);
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range either way: too large gives an infinity, too small a (signed) zero.
        const bool negative = number.front() == '-';
        if (isHugeRatherThanTiny(number)) return negative ? -HUGE_VAL : HUGE_VAL;
        return negative ? -0.0 : 0.0;
    }
    return result.ec == std::errc() ? value : 0.0;
}

QString withLocalePoint(std::string text, const QLocale& locale) {
    QString result = QString::fromLatin1(text);
    result.replace(u'.', locale.decimalPoint());
    return result;
}

}  // namespace

QLocale userLocale() { return processLocale(); }

void setUserLocale(const QLocale& locale) { processLocale() = locale; }

double leadingNumber(QStringView text) { return scanLeadingNumber(text, false); }

double leadingNumberOfBox(QStringView text, const QLocale& locale) {
    return scanLeadingNumber(text, locale.decimalPoint() == QStringLiteral(","));
}

std::optional<double> parseLocaleNumber(QStringView text, const QLocale& locale) {
    const QString trimmed = text.toString().trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    bool ok = false;
    double value = locale.toDouble(trimmed, &ok);
    if (!ok && locale.decimalPoint() == QStringLiteral(",")) {
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::RejectGroupSeparator);
        value = c.toDouble(trimmed, &ok);
    }
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

QString generalFormat(double value, const QLocale& locale) {
    return general(value, 15, locale, true);
}

QString generalFormat(float value, const QLocale& locale) {
    return general(value, 7, locale, true);
}

QString exportForm(double value, const QLocale& locale) { return exportOf(value, 15, locale); }

QString exportForm(float value, const QLocale& locale) { return exportOf(value, 7, locale); }

QString formatTwoDecimals(double value, const QLocale& locale) {
    if (!std::isfinite(value)) return notANumberMark();
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (result.ec != std::errc()) return notANumberMark();
    std::string text(buffer, result.ptr);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    if (text == "-0") text = "0";
    return withLocalePoint(text, locale);
}

QString formatGrouped(double value, const QLocale& locale) {
    if (!std::isfinite(value)) return notANumberMark();
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0);
    if (result.ec != std::errc()) return notANumberMark();
    std::string digits(buffer, result.ptr);
    QString sign;
    if (digits.front() == '-') {
        digits.erase(0, 1);
        if (digits != "0") sign = QStringLiteral("-");
    }
    QString grouped;
    const int count = static_cast<int>(digits.size());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) grouped += locale.groupSeparator();
        grouped += QChar(digits[static_cast<std::size_t>(i)]);
    }
    return sign + grouped;
}

QString notANumberMark() { return QStringLiteral("\u2014"); }

}  // namespace ravemo::NumberText
