#include "common/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <span>

namespace ravemo {
namespace {

namespace NT = NumberText;

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kDe(QLocale::German, QLocale::Germany);
const QLocale kEgypt(QLocale::Arabic, QLocale::Egypt);
const QLocale kIran(QLocale::Persian, QLocale::Iran);
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

struct FormatCase {
    double value;
    QLocale locale;
    QString shown;
};

template <typename Format>
void ExpectShown(std::span<const FormatCase> cases, Format format) {
    for (const FormatCase& c : cases) EXPECT_EQ(format(c.value, c.locale), c.shown) << c.value;
}

TEST(NumberText, GeneralFormatHasFifteenOrSevenDigitsAndTheLocaleSeparator) {
    const FormatCase doubles[] = {
        {999999999999999.9, kUs, "1E+15"},  // rounded to 15 digits first
        {123456789012345678.0, kUs, "1.23456789012346E+17"},
        {0.0001, kUs, "0.0001"},
        {0.00001, kUs, "1E-05"},
        {-1.8e-7, kDe, "-1,8E-07"},
        {kNan, kUs, NT::notANumberMark()},
    };
    ExpectShown(doubles, [](double v, const QLocale& l) { return NT::generalFormat(v, l); });
    const FormatCase singles[] = {
        {1.0 / 3.0, kUs, "0.3333333"},
        {16777216.0, kUs, "1.677722E+07"},
    };
    ExpectShown(singles, [](double v, const QLocale& l) {
        return NT::generalFormat(static_cast<float>(v), l);
    });
    // The export form: a sign position, no zero before the separator, one space after.
    EXPECT_EQ(NT::exportForm(0.0001, kUs), " .0001 ");
    EXPECT_EQ(NT::exportForm(-0.5, kDe), "-,5 ");
    EXPECT_EQ(NT::exportForm(1.0F / 3.0F, kUs), " .3333333 ");
}

TEST(NumberText, DisplayPatternsRoundTiesAwayAndShowTheMarkWhereNoNumberReadsBack) {
    const FormatCase twoDecimals[] = {
        {-0.004, kUs, "0"},
        {1234567.891, kDe, "1234567,89"},  // no groups
        {0.125, kUs, "0.13"},              // an exact tie rounds away from zero
        {1023 * 0.175, kDe, "179,03"},     // ties held a hair below
        {kNan, kDe, NT::notANumberMark()},
        {-std::numeric_limits<double>::max(), kDe,
         NT::notANumberMark()},  // 15 digits rounded beyond every double
    };
    ExpectShown(twoDecimals,
                [](double v, const QLocale& l) { return NT::formatTwoDecimals(v, l); });
    const FormatCase grouped[] = {
        {1234567.4, kUs, "1,234,567"},
        {2.5, kUs, "3"},
        {9223372036854775808.0, kUs, "9,223,372,036,854,780,000"},  // 2^63 to 15 digits
        {14'000'000.0, QLocale(QLocale::English, QLocale::India), "1,40,00,000"},
    };
    ExpectShown(grouped, [](double v, const QLocale& l) { return NT::formatGrouped(v, l); });
    EXPECT_EQ(NT::parseLocaleNumber(NT::formatTwoDecimals(1e308, kDe), kDe), 1e308);
    // The frequency readouts read back wherever the locale groups otherwise.
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    for (const double hz : {1000.0, 7'050'000.0, -1'234'567.0}) {
        EXPECT_EQ(NT::parseLocaleNumber(NT::formatGrouped(hz, polish), polish), hz) << hz;
    }
}

// A carriage return ends the number; spaces, tabs and line feeds inside it are skipped.
TEST(NumberText, LeadingNumberTakesThePointAndInABoxAlsoTheLocalesMark) {
    const struct {
        QString text;
        QLocale locale;
        double value;
    } cases[] = {
        {"7,1", kUs, 7.0},
        {"1.2.3", kUs, 1.2},
        {"-2.5e3", kUs, -2500.0},
        {"3D2", kUs, 300.0},
        {"\t\n12\t3", kUs, 123.0},
        {"5\r6", kUs, 5.0},
        {"abc", kUs, 0.0},
        {"1" + QString(400, u'0'), kUs, HUGE_VAL},
        {"12e9223372036854775807", kUs, HUGE_VAL},  // the exponent at the end of long long
        {".014e-9223372036854775808", kUs, 0.0},
        {"7,1", kDe, 7.1},
        {"7.1,2", kDe, 7.1},
        {NT::generalFormat(1.8, kEgypt), kEgypt, 1.8},
        {"1.8", kEgypt, 1.8},
    };
    for (const auto& c : cases) {
        const std::string label = c.text.toStdString() + " in " + c.locale.name().toStdString();
        EXPECT_EQ(NT::leadingNumberOfBox(c.text, c.locale), c.value) << label;
        if (c.locale == kUs) {
            EXPECT_EQ(NT::leadingNumber(c.text), c.value) << label;
        }
    }
}

TEST(NumberText, LocaleReadingTakesTheLocaleSeparatorsAndAPointDecimalOtherwise) {
    const struct {
        QString text;
        QLocale locale;
        std::optional<double> value;
    } cases[] = {
        {"1.234,5", kDe, 1234.5}, {"0.66", kDe, 0.66}, {"0.66", kEgypt, 0.66},
        {"0.66", kIran, 0.66},    {"0,66x", kDe, {}},  {"1e999", kUs, {}},
        {"nan", kDe, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NT::parseLocaleNumber(c.text, c.locale), c.value)
            << c.text.toStdString() << " in " << c.locale.name().toStdString();
    }
}

// What the file commands store from a limit box must be what the sweep reads from it.
TEST(NumberText, BoxNumberIsOnlyWhatTheSweepReadsAsOneWholeNumber) {
    const QString arabicMark = QString(QChar(0x066B));
    const struct {
        QString text;
        QLocale locale;
        std::optional<double> saved;
    } cases[] = {
        {"1.8", kDe, 1.8},
        {"1,8", kUs, {}},
        {"1.800", kDe, 1.8},  // a point is never a group separator
        {" -2.5e1 ", kUs, -25.0},
        {"\r\n6", kUs, {}},  // the sweep's scan stops at the carriage return
        {"1" + arabicMark + "8", kIran, 1.8},
        {"7.1abc", kUs, {}},
    };
    for (const auto& c : cases) {
        const std::optional<double> saved = NT::parseBoxNumber(c.text, c.locale);
        EXPECT_EQ(saved, c.saved) << c.text.toStdString() << " in "
                                  << c.locale.name().toStdString();
        if (saved) {
            EXPECT_EQ(*saved, NT::leadingNumberOfBox(c.text, c.locale));
        }
    }
}

}  // namespace
}  // namespace ravemo
