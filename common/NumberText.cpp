#include "common/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace ravemo::NumberText {
namespace {

// 0.0001 is the smallest magnitude written without an exponent; 0.00001 reads 1E-05.
constexpr int kSmallestPlainExponent = -4;
// Stands in for an exponent too long to read: far beyond any double either way.
constexpr long long kHugeExponent = 1'000'000'000LL;
// Significant digits of a double's decimal form (the general format's precision).
constexpr int kDoubleDigits = 15;
// Decimals of the "##0.##" pattern.
constexpr int kPatternDecimals = 2;

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
        // An exponent near the end of long long ("e9223372036854775807") would overflow once
        // the mantissa's power is added; beyond kHugeExponent every answer is the same.
        exponent = std::clamp(exponent, -kHugeExponent, kHugeExponent);
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

// What the leading-number scan found: the value, whether there was a digit at all, and where
// the number ends in the text (just past its last character that counts).
struct LeadingScan {
    double value = 0.0;
    bool hasDigits = false;
    qsizetype end = 0;
};

// Scans the leading number with the point and `otherDecimal` as decimal separators; blanks are
// skipped anywhere when `skipBlanks`, else they end the number.
LeadingScan scanLeadingNumber(QStringView text, QChar otherDecimal, bool skipBlanks) {
    std::string number;
    LeadingScan scan;
    bool seenPoint = false;
    bool inExponent = false;
    bool exponentDigits = false;
    std::size_t exponentStart = 0;
    qsizetype exponentMark = 0;  // where the exponent letter stands in the text
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (skipBlanks && isSkippedBlank(c)) continue;
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9') {
            number.push_back(static_cast<char>(u));
            if (inExponent) {
                exponentDigits = true;
            } else {
                scan.hasDigits = true;
            }
        } else if ((u == u'+' || u == u'-') &&
                   (number.empty() || (inExponent && number.size() == exponentStart))) {
            number.push_back(static_cast<char>(u));  // the sign of the number or its exponent
        } else if ((u == u'.' || c == otherDecimal) && !seenPoint && !inExponent) {
            number.push_back('.');
            seenPoint = true;
        } else if ((u == u'e' || u == u'E' || u == u'd' || u == u'D') && scan.hasDigits &&
                   !inExponent) {
            number.push_back('e');
            inExponent = true;
            exponentStart = number.size();
            exponentMark = i;
        } else {
            break;
        }
        scan.end = i + 1;
    }
    if (!scan.hasDigits) return scan;
    if (inExponent && !exponentDigits) {
        number.resize(exponentStart - 1);
        scan.end = exponentMark;
    }
    if (!number.empty() && number.front() == '+') number.erase(0, 1);
    const auto result = std::from_chars(number.data(), number.data() + number.size(), scan.value);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range either way: too large gives an infinity, too small a (signed) zero.
        const bool negative = number.front() == '-';
        if (isHugeRatherThanTiny(number)) {
            scan.value = negative ? -HUGE_VAL : HUGE_VAL;
        } else {
            scan.value = negative ? -0.0 : 0.0;
        }
    } else if (result.ec != std::errc()) {
        scan.value = 0.0;
    }
    return scan;
}

// The one-character decimal mark a box may hold besides the point (the point where the
// locale's mark is longer).
QChar boxDecimalMark(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    return point.size() == 1 ? point.front() : QChar(u'.');
}

// |value| (not negative) rounded to `decimals` places, as digits with a point when decimals > 0.
// The rounding works on the value's 15 significant digits, so a decimal tie that the double holds
// a hair below or above (0.175 is 0.17499999999999999) rounds as the tie it stands for, and a tie
// rounds away from zero as the classic display patterns do (0.175 shows 0.18, 0.525 shows 0.53).
std::string roundedFixed(double magnitude, int decimals) {
    std::string whole = "0";  // magnitude x 10^decimals, rounded
    if (magnitude > 0.0) {
        const Scientific sci = toScientific(magnitude, kDoubleDigits);
        const long long kept = static_cast<long long>(sci.exponent) + 1 + decimals;
        const auto digitCount = static_cast<long long>(sci.digits.size());
        if (kept >= 0) {
            whole = sci.digits.substr(0, static_cast<std::size_t>(std::min(kept, digitCount)));
            if (kept > digitCount) whole.append(static_cast<std::size_t>(kept - digitCount), '0');
            if (whole.empty()) whole = "0";
            const std::string dropped =
                kept < digitCount ? sci.digits.substr(static_cast<std::size_t>(kept)) : "";
            const bool up = !dropped.empty() && dropped[0] >= '5';
            if (up) {
                auto digit = whole.rbegin();
                while (digit != whole.rend() && *digit == '9') *digit++ = '0';
                if (digit == whole.rend()) {
                    whole = '1' + whole;
                } else {
                    ++*digit;
                }
            }
        }
    }
    if (decimals > 0) {
        const auto places = static_cast<std::size_t>(decimals);
        // Built by concatenation: GCC 12 warns falsely (-Wrestrict) on std::string::insert here.
        if (whole.size() <= places) whole = std::string(places + 1 - whole.size(), '0') + whole;
        const std::size_t integerDigits = whole.size() - places;
        whole = whole.substr(0, integerDigits) + '.' + whole.substr(integerDigits);
    }
    return whole;
}

// Digits in groups of three with the locale's group separator.
QString groupedByThousands(const std::string& digits, const QLocale& locale) {
    QString grouped;
    const int count = static_cast<int>(digits.size());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) grouped += locale.groupSeparator();
        grouped += QChar(digits[static_cast<std::size_t>(i)]);
    }
    return grouped;
}

// The locale's own grouping of a whole number, with the digits 0-9 whatever the locale's own.
QString localeGrouping(double whole, const QLocale& locale) {
    QString text;
    for (const char32_t c : locale.toString(static_cast<qlonglong>(whole)).toUcs4()) {
        const int digit = QChar::digitValue(c);
        text += digit >= 0 ? QString(QChar(u'0' + digit)) : QString::fromUcs4(&c, 1);
    }
    return text;
}

// The value of rounded digits ("123.45"), or nothing where they lie beyond every double: next
// to the largest double, whose 15 digits 179769313486232 with 294 zeros no double reaches.
std::optional<double> roundedValue(const std::string& digits) {
    double value = 0.0;
    const auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (parsed.ec != std::errc()) return std::nullopt;  // out of range included
    return value;
}

bool readsBackAs(const QString& text, double value, const QLocale& locale) {
    const std::optional<double> back = parseLocaleNumber(text, locale);
    return back && *back == value;
}

QString withLocalePoint(const std::string& text, const QLocale& locale) {
    QString result = QString::fromLatin1(text);
    result.replace(u'.', locale.decimalPoint());
    return result;
}

}  // namespace

double leadingNumber(QStringView text) { return scanLeadingNumber(text, u'.', true).value; }

double leadingNumberOfBox(QStringView text, const QLocale& locale) {
    return scanLeadingNumber(text, boxDecimalMark(locale), true).value;
}

std::optional<double> parseLocaleNumber(QStringView text, const QLocale& locale) {
    const QString trimmed = text.toString().trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    bool ok = false;
    double value = locale.toDouble(trimmed, &ok);
    if (!ok && locale.decimalPoint() != QStringLiteral(".")) {
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::RejectGroupSeparator);
        value = c.toDouble(trimmed, &ok);
    }
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> parseBoxNumber(QStringView text, const QLocale& locale) {
    // In front only the blanks the sweep skips: any other space (a carriage return, a no-break
    // space) ends its scan before the number, so it would read 0 where this read a number.
    qsizetype start = 0;
    while (start < text.size() && isSkippedBlank(text[start])) ++start;
    qsizetype end = text.size();
    while (end > start && text[end - 1].isSpace()) --end;
    const QStringView trimmed = text.sliced(start, end - start);
    // The very scan the sweep reads the box with, but without skipping blanks: the text counts
    // only when that one number is all of it, so the two readings cannot differ.
    const LeadingScan scan = scanLeadingNumber(trimmed, boxDecimalMark(locale), false);
    if (!scan.hasDigits || scan.end != trimmed.size() || !std::isfinite(scan.value)) {
        return std::nullopt;
    }
    return scan.value;
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
    std::string text = roundedFixed(std::fabs(value), kPatternDecimals);
    if (!roundedValue(text)) return notANumberMark();  // no text of it would read back
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    if (value < 0 && text != "0") text = '-' + text;
    return withLocalePoint(text, locale);
}

QString formatGrouped(double value, const QLocale& locale) {
    if (!std::isfinite(value)) return notANumberMark();
    const std::string digits = roundedFixed(std::fabs(value), 0);
    const bool negative = value < 0 && digits != "0";
    const QString sign = negative ? QStringLiteral("-") : QString();
    QString grouped = sign + groupedByThousands(digits, locale);
    // The caption is read back by the locale-aware reading. Locales that group otherwise (Indian
    // two-digit groups, no separator in a four-digit number) get their own grouping, and a text
    // that still would not read back shows no separators.
    const std::optional<double> rounded = roundedValue(digits);
    if (!rounded) return notANumberMark();  // no text of it would read back
    const double shown = negative ? -*rounded : *rounded;
    if (readsBackAs(grouped, shown, locale)) return grouped;
    constexpr double kLargestWhole = 9e18;  // within qlonglong
    if (std::fabs(shown) < kLargestWhole) {
        QString ownGrouping = localeGrouping(shown, locale);
        if (readsBackAs(ownGrouping, shown, locale)) return ownGrouping;
    }
    return sign + QString::fromLatin1(digits);
}

QString notANumberMark() { return QStringLiteral("\u2014"); }

}  // namespace ravemo::NumberText
