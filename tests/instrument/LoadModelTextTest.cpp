#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include <QFile>
#include <QTemporaryDir>

#include "instrument/LoadModelText.h"

namespace ravemo {
namespace {

std::complex<double> ImpedanceOfSpec(const char* text, double hz) {
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
    EXPECT_EQ(ImpedanceOfSpec("resistor:75", 1e6), std::complex<double>(75.0, 0.0));
    EXPECT_EQ(ImpedanceOfSpec("r:1k", 1e6), std::complex<double>(1000.0, 0.0));
    EXPECT_EQ(ImpedanceOfSpec("resistor", 1e6), std::complex<double>(50.0, 0.0));
    EXPECT_TRUE(std::isinf(ImpedanceOfSpec("open", 1e6).real()));
    EXPECT_EQ(ImpedanceOfSpec("SHORT", 1e6), std::complex<double>(0.0, 0.0));
    const std::complex<double> rlc = ImpedanceOfSpec("rlc:r=50,l=1.2u,c=100p", 10e6);
    EXPECT_DOUBLE_EQ(rlc.real(), 50.0);
    EXPECT_NEAR(rlc.imag(),
                2 * std::numbers::pi * 10e6 * 1.2e-6 - 1 / (2 * std::numbers::pi * 10e6 * 100e-12),
                1e-9);
    EXPECT_EQ(ImpedanceOfSpec("rlc:l=1u", 0.0), std::complex<double>(0.0, 0.0));
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
    EXPECT_TRUE(ErrorOf("dipole:abc").contains("'abc' is not a frequency in MHz"));
    EXPECT_TRUE(ErrorOf("dipole:0").contains("from 0.01 to 1000"));
    EXPECT_TRUE(ErrorOf("resistor:-5").contains("resistor value '-5'"));
    EXPECT_TRUE(ErrorOf("r:").contains("resistor value ''"));
    EXPECT_TRUE(ErrorOf("rlc:x=5").contains("rlc part 'x=5' is not r=, l= or c="));
    EXPECT_TRUE(ErrorOf("rlc:l=big").contains("rlc part 'l=big' needs a value"));
    EXPECT_TRUE(ErrorOf("rlc:c=0").contains("needs a value above 0"));
    EXPECT_TRUE(ErrorOf("rlc:").contains("at least one of"));
    EXPECT_TRUE(ErrorOf("open:5").contains("'open' takes no value"));
}

TEST(ParseEngineeringNumber, Suffixes) {
    EXPECT_DOUBLE_EQ(*ParseEngineeringNumber("100p"), 100e-12);
    EXPECT_DOUBLE_EQ(*ParseEngineeringNumber("4.7n"), 4.7e-9);
    EXPECT_DOUBLE_EQ(*ParseEngineeringNumber("1.2u"), 1.2e-6);
    EXPECT_DOUBLE_EQ(*ParseEngineeringNumber("3m"), 3e-3);  // milli
    EXPECT_DOUBLE_EQ(*ParseEngineeringNumber("3M"), 3e6);   // mega
    EXPECT_DOUBLE_EQ(*ParseEngineeringNumber("2meg"), 2e6);
    EXPECT_DOUBLE_EQ(*ParseEngineeringNumber("2.2k"), 2200.0);
    EXPECT_DOUBLE_EQ(*ParseEngineeringNumber("1e-6"), 1e-6);
    EXPECT_FALSE(ParseEngineeringNumber("").has_value());
    EXPECT_FALSE(ParseEngineeringNumber("u").has_value());
    EXPECT_FALSE(ParseEngineeringNumber("4k7").has_value());
    EXPECT_FALSE(ParseEngineeringNumber("1,5").has_value());
    EXPECT_FALSE(ParseEngineeringNumber("1e400").has_value());
}

}  // namespace
}  // namespace ravemo
