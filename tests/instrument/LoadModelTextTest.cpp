#include "instrument/LoadModelText.h"

#include <gtest/gtest.h>

#include <complex>
#include <numbers>

namespace ravemo {
namespace {

// The simulated loads' text forms: what each gives, or what its refusal says.
TEST(ParseLoadModel, ReadsEveryFormAndNamesWhatIsWrong) {
    const double reactance1uH1MHz = 2 * std::numbers::pi;
    const struct {
        const char* text;
        std::complex<double> z;  // at 1 MHz, when the text is a load
        const char* error;       // nullptr: a load
    } cases[] = {
        {"r:1k", {1000.0, 0.0}, nullptr},
        {"SHORT", {0.0, 0.0}, nullptr},
        {"rlc:r=3m,l=1u", {3e-3, reactance1uH1MHz}, nullptr},
        {"rlc:r=10,l=1e-6,c=1000n", {10.0, reactance1uH1MHz - 1 / reactance1uH1MHz}, nullptr},
        {"antenna", {}, "unknown load 'antenna'; allowed loads: dipole"},
        {"resistor:-5", {}, "resistor value '-5' is not a resistance"},
        {"rlc:x=5", {}, "rlc part 'x=5' is not r=, l= or c="},
        {"rlc:l=big", {}, "rlc part 'l=big' needs a value"},
        {"rlc:c=1e308M", {}, "rlc part 'c=1e308M' is out of range"},
        {"rlc:", {}, "at least one of"},
        {"s1p:/nonexistent/load.s1p", {}, "load.s1p\" does not exist"},
    };
    for (const auto& c : cases) {
        const ParsedLoadModel parsed = ParseLoadModel(QString::fromUtf8(c.text));
        if (c.error == nullptr) {
            ASSERT_NE(parsed.model, nullptr) << c.text << ": " << parsed.error.toStdString();
            EXPECT_NEAR(std::abs(parsed.model->impedance(1e6) - c.z), 0.0, 1e-9 * std::abs(c.z))
                << c.text;
        } else {
            EXPECT_EQ(parsed.model, nullptr) << c.text;
            EXPECT_TRUE(parsed.error.contains(QString::fromUtf8(c.error)))
                << c.text << ": " << parsed.error.toStdString();
        }
    }
}

}  // namespace
}  // namespace ravemo
