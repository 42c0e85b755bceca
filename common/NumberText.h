#pragma once

#include <optional>

#include <QLocale>
#include <QString>
#include <QStringView>

namespace ravemo {

// All number text of the program goes through here. Three conversions that must not be
// confused, and two display patterns:
//  - leadingNumber: the longest decimal number at the start of a text, point as decimal
//    separator whatever the locale, blanks/tabs/line feeds skipped anywhere, 0 if none.
//  - parseLocaleNumber: the whole text as a number in the user's locale (decimal and group
//    separators), or nothing when it is not a number.
//  - generalFormat: at most 15 (double) or 7 (single) significant digits, no trailing zeros,
//    the locale's decimal separator.
//  - formatTwoDecimals ("##0.##") and formatGrouped ("##,##0").
// The locale is always passed in, so tests run any locale without system locale files; the
// program takes the user's (QLocale::system()) at its entry points and hands it down.
namespace NumberText {

// Leading-number reading with the point as the only decimal separator.
double leadingNumber(QStringView text);

// Leading-number reading of a box the program itself may have filled in the locale's format:
// in a locale whose decimal separator is not the point (a comma, an Arabic decimal mark), that
// separator is taken as a decimal separator too ("7,1" gives 7.1); in a point locale exactly
// leadingNumber ("7,1" gives 7).
double leadingNumberOfBox(QStringView text, const QLocale& locale);

// Locale-aware reading of a whole text. Leading and trailing blanks are allowed; empty text,
// text that is not a number and numbers out of range give nothing. In every locale whose
// decimal separator is not the point (a comma, the Arabic decimal mark) a plain point-decimal
// number ("1.8") is accepted too, so the program's own boxes read the same everywhere.
std::optional<double> parseLocaleNumber(QStringView text, const QLocale& locale);

// Reading of a box the sweep also reads by its leading number (the limit boxes), and of the
// velocity factor: the text, without the blanks around it (in front only those the sweep skips:
// spaces, tabs, line feeds), must be exactly one number as
// leadingNumberOfBox scans it (ASCII digits, a sign, the point or the locale's one-character
// decimal mark, an exponent), and gives the same value. Anything else is no number: group
// separators ("1.800" is 1.8 in de_DE, never 1800; "1,800" is refused in en_US), blanks inside,
// a U+2212 minus, digits of other scripts, trailing text, values beyond a double.
std::optional<double> parseBoxNumber(QStringView text, const QLocale& locale);

// General number-to-text conversion. Exponent form (1E+15, 1E-05) outside the plain range.
QString generalFormat(double value, const QLocale& locale);
QString generalFormat(float value, const QLocale& locale);

// The text export's number form: a sign position (space or minus), the general digits without
// a zero before the decimal separator below 1, then one space. "1" -> " 1 ", -0.5 -> "-,5 ".
QString exportForm(double value, const QLocale& locale);
QString exportForm(float value, const QLocale& locale);

// "##0.##": at least one integer digit, at most two decimals, no trailing zeros, no group
// separators. A value that is not finite, or whose rounded digits lie beyond every double (next
// to the largest double), shows as notANumberMark(). Both patterns round the
// value's 15 significant digits, ties away from zero as the classic display patterns do:
// 0.175 (a double a hair below) shows 0.18, 0.125 shows 0.13, 2.5 shows 3.
QString formatTwoDecimals(double value, const QLocale& locale);

// "##,##0": rounded to a whole number with the locale's group separators, in a form that
// parseLocaleNumber reads back (the locale's own grouping where groups of three would not be).
// A value whose rounded digits lie beyond every double (next to the largest double) shows as
// notANumberMark(), never as another number.
QString formatGrouped(double value, const QLocale& locale);

// What a readout shows where the arithmetic has no finite value (division by zero).
QString notANumberMark();

}  // namespace NumberText
}  // namespace ravemo
