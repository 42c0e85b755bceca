#include "instrument/LoadModelText.h"

#include <gtest/gtest.h>

#include <complex>
#include <numbers>

namespace ravemo {
namespace {

// The simulated loads' text forms: what each gives, or what its refusal says. The loads' own
// behaviour is checked through the whole loop in the sweep tests.
TEST(ParseLoadModel, ReadsEveryFormAndNamesWhatIsWrong) {
    const double reactance1uH1MHz = 2 * std::numbers::pi;
    const struct {
        const char* text;
        std::complex<double> z;  // at 1 MHz, when the text is a load
        const char* error;       // nullptr: a load
    } cases[] = {
        {"r:1k", {1000.0, 0.0}, nullptr},
        {"Resistor", {50.0, 0.0}, nullptr},
        {"SHORT", {0.0, 0.0}, nullptr},
        {"rlc:r=3m,l=1u", {3e-3, reactance1uH1MHz}, nullptr},
        {"rlc:r=3M", {3e6, 0.0}, nullptr},
        {"rlc:r=2meg", {2e6, 0.0}, nullptr},
        {"rlc:r=10,l=1e-6,c=1000n", {10.0, reactance1uH1MHz - 1 / reactance1uH1MHz}, nullptr},
        {"antenna", {}, "unknown load 'antenna'; allowed loads: dipole"},
        {"dipole:abc", {}, "'abc' is not a frequency in MHz"},
        {"dipole:0", {}, "from 0.01 to 1000"},
        {"resistor:-5", {}, "resistor value '-5' is not a resistance"},
        {"resistor:1e400", {}, "resistor value '1e400' is out of range"},
        {"r:", {}, "resistor value ''"},
        {"rlc:x=5", {}, "rlc part 'x=5' is not r=, l= or c="},
        {"rlc:l=big", {}, "rlc part 'l=big' needs a value"},
        {"rlc:r=4k7", {}, "rlc part 'r=4k7' needs a value"},
        {"rlc:r=1,5", {}, "rlc part '5' is not r=, l= or c="},
        {"rlc:c=1e308M", {}, "rlc part 'c=1e308M' is out of range"},
        {"rlc:c=0", {}, "needs a value above 0"},
        {"rlc:", {}, "at least one of"},
        {"open:5", {}, "'open' takes no value"},
        {"s1p:", {}, "needs a file path"},
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
