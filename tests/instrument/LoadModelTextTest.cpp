#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include <QFile>
#include <QTemporaryDir>

#include "instrument/LoadModelText.h"

namespace ravemo {
namespace {

std::complex<double> ImpedanceOfLoadText(const char* text, double hz) {
    const ParsedLoadModel parsed = ParseLoadModel(QString::fromUtf8(text));
    EXPECT_NE(parsed.model, nullptr) << text << ": " << parsed.error.toStdString();
    return parsed.model ? parsed.model->impedance(hz) : std::complex<double>{};
}

QString ErrorOf(const char* text) {
    const ParsedLoadModel parsed = ParseLoadModel(QString::fromUtf8(text));
    EXPECT_EQ(parsed.model, nullptr) << text;
    return parsed.error;
}

TEST(ParseLoadModel, EveryForm) {
    EXPECT_EQ(ParseLoadModel("").model->description(), "dipole resonant near 14.2 MHz");
    EXPECT_EQ(ParseLoadModel("dipole").model->description(), "dipole resonant near 14.2 MHz");
    EXPECT_EQ(ParseLoadModel(" Dipole:7.1 ").model->description(), "dipole resonant near 7.1 MHz");
    EXPECT_EQ(ImpedanceOfLoadText("resistor:75", 1e6), std::complex<double>(75.0, 0.0));
    EXPECT_EQ(ImpedanceOfLoadText("r:1k", 1e6), std::complex<double>(1000.0, 0.0));
    EXPECT_EQ(ImpedanceOfLoadText("resistor", 1e6), std::complex<double>(50.0, 0.0));
    EXPECT_TRUE(std::isinf(ImpedanceOfLoadText("open", 1e6).real()));
    EXPECT_EQ(ImpedanceOfLoadText("SHORT", 1e6), std::complex<double>(0.0, 0.0));
    const std::complex<double> rlc = ImpedanceOfLoadText("rlc:r=50,l=1.2u,c=100p", 10e6);
    EXPECT_DOUBLE_EQ(rlc.real(), 50.0);
    EXPECT_NEAR(rlc.imag(),
                2 * std::numbers::pi * 10e6 * 1.2e-6 - 1 / (2 * std::numbers::pi * 10e6 * 100e-12),
                1e-9);
    EXPECT_EQ(ImpedanceOfLoadText("rlc:l=1u", 0.0), std::complex<double>(0.0, 0.0));
}

TEST(ParseLoadModel, Touchstone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("load.s1p");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("# MHZ S RI\n1 0.2 0\n");
    file.close();
    const ParsedLoadModel parsed = ParseLoadModel("s1p:" + path);
    ASSERT_NE(parsed.model, nullptr) << parsed.error.toStdString();
    EXPECT_NEAR(parsed.model->impedance(1e6).real(), 75.0, 1e-9);
    EXPECT_TRUE(ErrorOf(("s1p:" + dir.filePath("missing.s1p")).toUtf8().constData())
                    .contains("missing.s1p\" does not exist"));
    EXPECT_TRUE(ErrorOf("s1p:").contains("needs a file path"));
}

TEST(ParseLoadModel, ErrorsSayWhatWasWrongAndWhatIsAllowed) {
    const QString unknown = ErrorOf("antenna");
    EXPECT_TRUE(unknown.contains("unknown load 'antenna'"));
    EXPECT_TRUE(unknown.contains("allowed loads: dipole"));
    EXPECT_TRUE(unknown.contains("rlc:r=<ohms>"));
    const std::pair<const char*, const char*> cases[] = {
        {"dipole:abc", "'abc' is not a frequency in MHz"},
        {"dipole:0", "from 0.01 to 1000"},
        {"resistor:-5", "resistor value '-5' is not a resistance"},
        {"resistor:1e400", "resistor value '1e400' is out of range"},
        {"r:", "resistor value ''"},
        {"rlc:x=5", "rlc part 'x=5' is not r=, l= or c="},
        {"rlc:l=big", "rlc part 'l=big' needs a value"},
        {"rlc:l=1e400", "rlc part 'l=1e400' is out of range"},
        {"rlc:c=1e308M", "rlc part 'c=1e308M' is out of range"},
        {"rlc:c=0", "needs a value above 0"},
        {"rlc:", "at least one of"},
        {"open:5", "'open' takes no value"},
    };
    for (const auto& [text, message] : cases) {
        EXPECT_TRUE(ErrorOf(text).contains(message)) << text << ": " << ErrorOf(text).toStdString();
    }
}

TEST(ReadEngineeringNumber, SuffixesAndNumbersOutOfRange) {
    struct Case {
        const char* text;
        std::optional<double> value;
        bool outOfRange;
    };
    const Case cases[] = {
        {"100p", 100e-12, false},
        {"4.7n", 4.7e-9, false},
        {"1.2u", 1.2e-6, false},
        {"3m", 3e-3, false},
        {"3M", 3e6, false},
        {"2meg", 2e6, false},
        {"2.2k", 2200.0, false},
        {"1e-6", 1e-6, false},
        {"", std::nullopt, false},
        {"u", std::nullopt, false},
        {"4k7", std::nullopt, false},
        {"1,5", std::nullopt, false},
        {"inf", std::nullopt, false},
        {"1e400", std::nullopt, true},
        {"-1e400u", std::nullopt, true},
        {"1e308k", std::nullopt, true},
    };
    for (const Case& c : cases) {
        const EngineeringNumber read = ReadEngineeringNumber(QString::fromLatin1(c.text));
        EXPECT_EQ(read.outOfRange, c.outOfRange) << c.text;
        ASSERT_EQ(read.value.has_value(), c.value.has_value()) << c.text;
        if (c.value) {
            EXPECT_DOUBLE_EQ(*read.value, *c.value) << c.text;
        }
    }
}

}  // namespace
}  // namespace ravemo
