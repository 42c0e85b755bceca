#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "common/NumberText.h"

namespace ravemo {
namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kUnitedStates(QLocale::English, QLocale::UnitedStates);
const QLocale kEgypt(QLocale::Arabic, QLocale::Egypt);
const QLocale kIran(QLocale::Persian, QLocale::Iran);

TEST(LeadingNumber, ReadsThePointDecimalPrefixWhateverFollows) {
    EXPECT_DOUBLE_EQ(NumberText::leadingNumber(u"1.8"), 1.8);
    EXPECT_DOUBLE_EQ(NumberText::leadingNumber(u"7,1"), 7.0);
    EXPECT_DOUBLE_EQ(NumberText::leadingNumber(u"12abc"), 12.0);
    EXPECT_DOUBLE_EQ(NumberText::leadingNumber(u"1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(NumberText::leadingNumber(u".5"), 0.5);
    EXPECT_DOUBLE_EQ(NumberText::leadingNumber(u"-2.5e3"), -2500.0);
    EXPECT_DOUBLE_EQ(NumberText::leadingNumber(u"+4"), 4.0);
    EXPECT_DOUBLE_EQ(NumberText::leadingNumber(u"3D2"), 300.0);
}

TEST(LeadingNumber, SkipsBlanksTabsAndLineFeedsAnywhere) {
    EXPECT_DOUBLE_EQ(NumberText::leadingNumber(u"  1 . 8"), 1.8);
    EXPECT_DOUBLE_EQ(NumberText::leadingNumber(u"\t\n12\t3"), 123.0);
    EXPECT_DOUBLE_EQ(NumberText::leadingNumber(u"- 5"), -5.0);
    EXPECT_DOUBLE_EQ(NumberText::leadingNumber(u"1 e 2"), 100.0);
    // A carriage return is not a skipped blank: the number ends there.
    EXPECT_DOUBLE_EQ(NumberText::leadingNumber(u"5\r6"), 5.0);
}

TEST(LeadingNumber, GivesZeroWhenTheTextDoesNotBeginWithANumber) {
    EXPECT_EQ(NumberText::leadingNumber(u"abc"), 0.0);
    EXPECT_EQ(NumberText::leadingNumber(u""), 0.0);
    EXPECT_EQ(NumberText::leadingNumber(u"   "), 0.0);
    EXPECT_EQ(NumberText::leadingNumber(u"."), 0.0);
    EXPECT_EQ(NumberText::leadingNumber(u"-"), 0.0);
    EXPECT_EQ(NumberText::leadingNumber(u"+-5"), 0.0);
    EXPECT_EQ(NumberText::leadingNumber(u"e5"), 0.0);
}

TEST(LeadingNumber, DropsAnExponentMarkWithoutDigits) {
    EXPECT_DOUBLE_EQ(NumberText::leadingNumber(u"1e"), 1.0);
    EXPECT_DOUBLE_EQ(NumberText::leadingNumber(u"2.5E+"), 2.5);
    EXPECT_DOUBLE_EQ(NumberText::leadingNumber(u"7e-x"), 7.0);
}

TEST(LeadingNumber, TooLargeIsInfiniteAndTooSmallIsZero) {
    EXPECT_EQ(NumberText::leadingNumber(u"1e400"), HUGE_VAL);
    EXPECT_EQ(NumberText::leadingNumber(u"-1e400"), -HUGE_VAL);
    EXPECT_EQ(NumberText::leadingNumber(u"1e-400"), 0.0);
    EXPECT_EQ(NumberText::leadingNumber(u"-123e-400"), 0.0);
    EXPECT_EQ(NumberText::leadingNumber(u"0.001e-330"), 0.0);
    EXPECT_EQ(NumberText::leadingNumber(u"1e99999999999999999999"), HUGE_VAL);
    EXPECT_EQ(NumberText::leadingNumber(u"5e-99999999999999999999"), 0.0);
    const QString manyDigits = QStringLiteral("1") + QString(400, u'0');
    EXPECT_EQ(NumberText::leadingNumber(manyDigits), HUGE_VAL);
    const QString tinyFraction = QStringLiteral("0.") + QString(400, u'0') + QStringLiteral("1");
    EXPECT_EQ(NumberText::leadingNumber(tinyFraction), 0.0);
}

TEST(LeadingNumberOfBox, TakesTheCommaAsDecimalOnlyInACommaLocale) {
    EXPECT_DOUBLE_EQ(NumberText::leadingNumberOfBox(u"7,1", kGerman), 7.1);
    EXPECT_DOUBLE_EQ(NumberText::leadingNumberOfBox(u"7,1", kUnitedStates), 7.0);
    EXPECT_DOUBLE_EQ(NumberText::leadingNumberOfBox(u"7.1", kGerman), 7.1);
    EXPECT_DOUBLE_EQ(NumberText::leadingNumberOfBox(u"7.1,2", kGerman), 7.1);
    // Any decimal separator the general format writes reads back, e.g. the Arabic one.
    EXPECT_DOUBLE_EQ(NumberText::leadingNumberOfBox(NumberText::generalFormat(1.8, kEgypt), kEgypt),
                     1.8);
    EXPECT_DOUBLE_EQ(NumberText::leadingNumberOfBox(u"1.8", kEgypt), 1.8);
}

TEST(ParseLocaleNumber, ReadsTheLocaleSeparators) {
    EXPECT_DOUBLE_EQ(*NumberText::parseLocaleNumber(u"0,66", kGerman), 0.66);
    EXPECT_DOUBLE_EQ(*NumberText::parseLocaleNumber(u"1.234,5", kGerman), 1234.5);
    EXPECT_DOUBLE_EQ(*NumberText::parseLocaleNumber(u"0.66", kUnitedStates), 0.66);
    EXPECT_DOUBLE_EQ(*NumberText::parseLocaleNumber(u"1,234.5", kUnitedStates), 1234.5);
    EXPECT_DOUBLE_EQ(*NumberText::parseLocaleNumber(u"  66 ", kUnitedStates), 66.0);
    EXPECT_DOUBLE_EQ(*NumberText::parseLocaleNumber(u"-2,5", kGerman), -2.5);
    EXPECT_DOUBLE_EQ(*NumberText::parseLocaleNumber(u"1E3", kUnitedStates), 1000.0);
}

TEST(ParseLocaleNumber, AcceptsAPointDecimalWhereverTheSeparatorIsNoPoint) {
    for (const QLocale& locale : {kGerman, kEgypt, kIran}) {
        EXPECT_EQ(NumberText::parseLocaleNumber(u"0.66", locale), 0.66)
            << locale.name().toStdString();
        EXPECT_EQ(NumberText::parseLocaleNumber(u"1.8", locale), 1.8);
    }
}

TEST(ParseBoxNumber, AcceptsOnlyWhatTheSweepReadsAsOneWholeNumber) {
    const QString arabicMark = QString(QChar(0x066B));  // the Arabic decimal separator
    const QString minusSign = QString(QChar(0x2212));
    const QString arabicIndicDigits = QString(QChar(0x0661)) + arabicMark + QChar(0x0668);
    struct Case {
        QString text;
        QLocale locale;
        std::optional<double> saved;  // what the save stores; nothing: refused
    };
    const Case cases[] = {
        {"1.8", kUnitedStates, 1.8},
        {"1.8", kGerman, 1.8},
        {"1.8", kEgypt, 1.8},
        {"1.8", kIran, 1.8},
        {"1,8", kGerman, 1.8},
        {"1,8", kUnitedStates, {}},
        {"1.800", kGerman, 1.8},
        {"1,800", kUnitedStates, {}},
        {"1.800,5", kGerman, {}},
        {" -2.5e1 ", kUnitedStates, -25.0},
        {"\t\n6\r\n", kUnitedStates, 6.0},
        {"\r\n6", kUnitedStates, {}},  // the sweep's scan stops at the carriage return
        {QChar(0x00A0) + QString("6"), kUnitedStates, {}},
        {"1" + arabicMark + "8", kEgypt, 1.8},
        {"1" + arabicMark + "8", kIran, 1.8},
        {"1" + arabicMark + "8", kUnitedStates, {}},
        {minusSign + "5", kUnitedStates, {}},
        {arabicIndicDigits, kEgypt, {}},
        {"7.1abc", kUnitedStates, {}},
        {"1 8", kUnitedStates, {}},
        {"1e", kUnitedStates, {}},
        {"1e5-3", kUnitedStates, {}},
        {"-", kUnitedStates, {}},
        {"", kGerman, {}},
        {"1e999", kUnitedStates, {}},
    };
    for (const Case& c : cases) {
        const std::optional<double> saved = NumberText::parseBoxNumber(c.text, c.locale);
        const std::string label = c.text.toStdString() + " in " + c.locale.name().toStdString();
        EXPECT_EQ(saved, c.saved) << label;
        // Whatever the save accepts, the sweep reads as the same number.
        if (saved) {
            EXPECT_EQ(*saved, NumberText::leadingNumberOfBox(c.text, c.locale)) << label;
        }
    }
}

TEST(ParseLocaleNumber, FailsClearlyOnTextThatIsNotANumber) {
    for (const QLocale& locale : {kGerman, kUnitedStates}) {
        EXPECT_FALSE(NumberText::parseLocaleNumber(u"", locale));
        EXPECT_FALSE(NumberText::parseLocaleNumber(u"   ", locale));
        EXPECT_FALSE(NumberText::parseLocaleNumber(u"abc", locale));
        EXPECT_FALSE(NumberText::parseLocaleNumber(u"0,66x", locale));
        EXPECT_FALSE(NumberText::parseLocaleNumber(u"1e999", locale));
        EXPECT_FALSE(NumberText::parseLocaleNumber(u"nan", locale));
        EXPECT_FALSE(NumberText::parseLocaleNumber(u"inf", locale));
    }
}

}  // namespace
}  // namespace ravemo
