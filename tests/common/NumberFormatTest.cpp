#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/NumberText.h"

namespace ravemo {
namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kUnitedStates(QLocale::English, QLocale::UnitedStates);

QString general(double value, const QLocale& locale = kUnitedStates) {
    return NumberText::generalFormat(value, locale);
}
QString generalSingle(float value, const QLocale& locale = kUnitedStates) {
    return NumberText::generalFormat(value, locale);
}

TEST(GeneralFormat, DoubleHasAtMostFifteenSignificantDigitsAndNoTrailingZeros) {
    EXPECT_EQ(general(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(general(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(general(2.5), "2.5");
    EXPECT_EQ(general(100.0), "100");
    EXPECT_EQ(general(30.0), "30");
    EXPECT_EQ(general(0.1), "0.1");
    EXPECT_EQ(general(-1.5), "-1.5");
    EXPECT_EQ(general(0.0), "0");
    EXPECT_EQ(general(-0.0), "0");
    EXPECT_EQ(general(999999999999999.0), "999999999999999");
    EXPECT_EQ(general(23860000.0), "23860000");
}

TEST(GeneralFormat, SingleHasAtMostSevenSignificantDigits) {
    EXPECT_EQ(generalSingle(1.0F / 3.0F), "0.3333333");
    EXPECT_EQ(generalSingle(0.1F), "0.1");
    EXPECT_EQ(generalSingle(1234567.0F), "1234567");
    EXPECT_EQ(generalSingle(66.0F / 100.0F), "0.66");
    EXPECT_EQ(generalSingle(1.8F), "1.8");
}

TEST(GeneralFormat, UsesTheLocaleDecimalSeparator) {
    EXPECT_EQ(general(1.8, kGerman), "1,8");
    EXPECT_EQ(generalSingle(0.66F, kGerman), "0,66");
    EXPECT_EQ(general(1234567.5, kGerman), "1234567,5");
}

TEST(GeneralFormat, SwitchesToExponentFormOutsideThePlainRange) {
    EXPECT_EQ(general(1e15), "1E+15");
    EXPECT_EQ(general(123456789012345678.0), "1.23456789012346E+17");
    EXPECT_EQ(general(0.0001), "0.0001");
    EXPECT_EQ(general(0.00001), "1E-05");
    EXPECT_EQ(general(-1.8e-7, kGerman), "-1,8E-07");
    EXPECT_EQ(general(2e300), "2E+300");
    EXPECT_EQ(generalSingle(1e7F), "1E+07");
    EXPECT_EQ(generalSingle(30000000.0F), "3E+07");
    EXPECT_EQ(generalSingle(16777216.0F), "1.677722E+07");
    EXPECT_EQ(generalSingle(0.00001F), "1E-05");
    // Rounding to the digit count comes first: this is 1E+15, not 15 nines.
    EXPECT_EQ(general(999999999999999.9), "1E+15");
}

TEST(GeneralFormat, ShowsTheMarkWhereNoFiniteValueExists) {
    EXPECT_EQ(general(std::numeric_limits<double>::quiet_NaN()), NumberText::notANumberMark());
    EXPECT_EQ(general(HUGE_VAL), NumberText::notANumberMark());
}

TEST(ExportForm, HasSignPositionTrailingSpaceAndNoZeroBeforeTheSeparator) {
    EXPECT_EQ(NumberText::exportForm(1.0, kUnitedStates), " 1 ");
    EXPECT_EQ(NumberText::exportForm(0.5, kGerman), " ,5 ");
    EXPECT_EQ(NumberText::exportForm(-0.5, kGerman), "-,5 ");
    EXPECT_EQ(NumberText::exportForm(-0.5, kUnitedStates), "-.5 ");
    EXPECT_EQ(NumberText::exportForm(512.0F, kUnitedStates), " 512 ");
    EXPECT_EQ(NumberText::exportForm(23860000.0, kUnitedStates), " 23860000 ");
    EXPECT_EQ(NumberText::exportForm(1.8F, kGerman), " 1,8 ");
    EXPECT_EQ(NumberText::exportForm(0.0F, kGerman), " 0 ");
    EXPECT_EQ(NumberText::exportForm(0.0001, kUnitedStates), " .0001 ");
    EXPECT_EQ(NumberText::exportForm(1.0F / 3.0F, kUnitedStates), " .3333333 ");
}

TEST(FormatTwoDecimals, RoundsToTwoDecimalsWithoutTrailingZerosOrGroups) {
    EXPECT_EQ(NumberText::formatTwoDecimals(3.14159, kUnitedStates), "3.14");
    EXPECT_EQ(NumberText::formatTwoDecimals(3.14159, kGerman), "3,14");
    EXPECT_EQ(NumberText::formatTwoDecimals(2.5, kUnitedStates), "2.5");
    EXPECT_EQ(NumberText::formatTwoDecimals(100.0, kUnitedStates), "100");
    EXPECT_EQ(NumberText::formatTwoDecimals(0.004, kUnitedStates), "0");
    EXPECT_EQ(NumberText::formatTwoDecimals(-0.004, kUnitedStates), "0");
    EXPECT_EQ(NumberText::formatTwoDecimals(0.5, kGerman), "0,5");
    EXPECT_EQ(NumberText::formatTwoDecimals(-12.345678, kUnitedStates), "-12.35");
    EXPECT_EQ(NumberText::formatTwoDecimals(1234567.891, kGerman), "1234567,89");
    EXPECT_EQ(NumberText::formatTwoDecimals(9.999, kUnitedStates), "10");
    // An exact tie rounds away from zero, as the classic display patterns do.
    EXPECT_EQ(NumberText::formatTwoDecimals(0.125, kUnitedStates), "0.13");
    EXPECT_EQ(NumberText::formatTwoDecimals(0.375, kUnitedStates), "0.38");
}

TEST(FormatTwoDecimals, DecimalTiesHeldAsDoublesRoundAsTies) {
    // Odd phase readings x 0.175 end in a 5; the double lies a hair below or above the tie.
    EXPECT_EQ(NumberText::formatTwoDecimals(1 * 0.175, kUnitedStates), "0.18");
    EXPECT_EQ(NumberText::formatTwoDecimals(9 * 0.175, kUnitedStates), "1.58");
    EXPECT_EQ(NumberText::formatTwoDecimals(3 * 0.175, kUnitedStates), "0.53");
    EXPECT_EQ(NumberText::formatTwoDecimals(1023 * 0.175, kGerman), "179,03");
    EXPECT_EQ(NumberText::formatTwoDecimals(-0.015, kUnitedStates), "-0.02");
    EXPECT_EQ(NumberText::formatTwoDecimals(-0.005, kUnitedStates), "-0.01");
    EXPECT_EQ(NumberText::formatTwoDecimals(-0.004, kUnitedStates), "0");
    EXPECT_EQ(NumberText::formatTwoDecimals(999.995, kUnitedStates), "1000");
}

// The mark stands where no number could be read back: not finite, or 15 digits rounded beyond
// every double.
TEST(FormatTwoDecimals, ShowsTheMarkWhereNoNumberReadsBack) {
    const double largest = std::numeric_limits<double>::max();
    for (const double value :
         {std::numeric_limits<double>::quiet_NaN(), -HUGE_VAL, largest, -largest}) {
        EXPECT_EQ(NumberText::formatTwoDecimals(value, kGerman), NumberText::notANumberMark())
            << value;
    }
    EXPECT_EQ(NumberText::parseLocaleNumber(NumberText::formatTwoDecimals(1e308, kGerman), kGerman),
              1e308);
}

TEST(FormatGrouped, RoundsToAWholeNumberWithLocaleGroups) {
    EXPECT_EQ(NumberText::formatGrouped(1234567.4, kUnitedStates), "1,234,567");
    EXPECT_EQ(NumberText::formatGrouped(1234567.4, kGerman), "1.234.567");
    EXPECT_EQ(NumberText::formatGrouped(999.0, kUnitedStates), "999");
    EXPECT_EQ(NumberText::formatGrouped(1000.0, kUnitedStates), "1,000");
    EXPECT_EQ(NumberText::formatGrouped(-1234.0, kGerman), "-1.234");
    EXPECT_EQ(NumberText::formatGrouped(-0.4, kUnitedStates), "0");
    EXPECT_EQ(NumberText::formatGrouped(14200000.0, kUnitedStates), "14,200,000");
    EXPECT_EQ(NumberText::formatGrouped(2.5, kUnitedStates), "3");
    EXPECT_EQ(NumberText::formatGrouped(3.5, kUnitedStates), "4");
    EXPECT_EQ(NumberText::formatGrouped(std::numeric_limits<double>::quiet_NaN(), kGerman),
              NumberText::notANumberMark());
}

TEST(FormatGrouped, ValuesNearTheDoubleLimitsShowTheirDigitsOrTheMark) {
    QString googolCubed = QStringLiteral("1");
    for (int group = 0; group < 100; ++group) googolCubed += QStringLiteral(",000");
    const struct {
        double value;
        QString shown;
    } cases[] = {
        // Rounded to 15 digits these lie beyond every double: no number of them reads back.
        {std::numeric_limits<double>::max(), NumberText::notANumberMark()},
        {-std::numeric_limits<double>::max(), NumberText::notANumberMark()},
        {1e300, googolCubed},
        {9.99e15, "9,990,000,000,000,000"},
        {1e16, "10,000,000,000,000,000"},
        {9223372036854775808.0, "9,223,372,036,854,780,000"},  // 2^63 to 15 digits
        {-9223372036854775808.0, "-9,223,372,036,854,780,000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberText::formatGrouped(c.value, kUnitedStates), c.shown) << c.value;
    }
}

TEST(FormatGrouped, ReadsBackInLocalesThatGroupOtherwise) {
    const QLocale india(QLocale::English, QLocale::India);
    for (const QLocale& locale :
         {QLocale(QLocale::Spanish, QLocale::Spain), QLocale(QLocale::Polish, QLocale::Poland),
          QLocale(QLocale::Portuguese, QLocale::Portugal), india}) {
        for (const double hz : {1000.0, 7'050'000.0, 14'000'000.0, 1'234'567.0, -7'050'000.0}) {
            const QString shown = NumberText::formatGrouped(hz, locale);
            EXPECT_EQ(NumberText::parseLocaleNumber(shown, locale), hz)
                << shown.toStdString() << " in " << locale.name().toStdString();
        }
    }
    EXPECT_EQ(NumberText::formatGrouped(14'000'000.0, india), "1,40,00,000");
}

}  // namespace
}  // namespace ravemo
