// The feedline catalogue, the line transform and the feedline text, against closed forms.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

#include "common/FeedlineText.h"

namespace ravemo {
namespace {

using Z = std::complex<double>;

Feedline Line(const char* text) { return *ParseFeedline(QString::fromLatin1(text)).line; }

TEST(Feedline, CatalogueLossesAreTheDataSheetsAndTheUsersLineIsFittedToItsTwoPoints) {
    const struct {
        const char* type;
        double lossAt10MHz;  // dB / 100 m, the data sheets' figures
        double lossAt100MHz;
    } sheets[] = {{"rg58", 4.6, 16.0},     {"rg8x", 3.28, 12.1}, {"rg213", 1.97, 6.23},
                  {"lmr400", 1.3, 4.1},    {"rg174", 9.2, 29.0}, {"twin300", 1.64, 5.2},
                  {"ladder450", 0.32, 1.0}};
    for (const auto& s : sheets) {
        const FeedlineType type = *FeedlineTypeNamed(QString::fromLatin1(s.type).toUpper());
        EXPECT_NEAR(type.lossDbPer100m(10e6), s.lossAt10MHz, 0.05 * s.lossAt10MHz) << s.type;
        EXPECT_NEAR(type.lossDbPer100m(100e6), s.lossAt100MHz, 0.05 * s.lossAt100MHz) << s.type;
    }
    EXPECT_EQ(FeedlineCatalogue().size(), 7U);

    const FeedlineType user = *UserFeedlineType(75.0, 0.8, 3e6, 1.0, 30e6, 4.0);
    EXPECT_NEAR(user.lossDbPer100m(3e6), 1.0, 1e-12);
    EXPECT_NEAR(user.lossDbPer100m(30e6), 4.0, 1e-12);
    EXPECT_FALSE(UserFeedlineType(75.0, 1.2, 3e6, 1.0, 30e6, 4.0));
    EXPECT_FALSE(UserFeedlineType(75.0, 0.8, 3e6, 1.0, 3e6, 4.0));
    EXPECT_FALSE(UserFeedlineType(75.0, 0.8, 3e6, -1.0, 30e6, 4.0));
}

TEST(Feedline, TheLineTransformsImpedanceAsTheTelegraphersEquationsSay) {
    const Feedline rg58 = Line("rg58:20");
    // 20 m of RG-58 at 10 MHz: 4.6 dB / 100 m gives 0.92 dB one way.
    EXPECT_NEAR(rg58.lossDb(10e6), 0.92, 0.01);
    // A matched load stays matched; a load comes back through the inverse.
    EXPECT_NEAR(std::abs(ImpedanceThroughLine(50.0, rg58, 14e6) - Z(50.0)), 0.0, 1e-9);
    for (const Z load : {Z(73.0, 42.5), Z(12.0, -300.0), Z(2500.0, 10.0)}) {
        const Z in = ImpedanceThroughLine(load, rg58, 7.1e6);
        EXPECT_NEAR(std::abs(ImpedanceAtFarEnd(in, rg58, 7.1e6) - load), 0.0,
                    1e-9 * std::abs(load));
        // |G| at the near end is |G| at the far end times the two-way loss.
        const double gLoad = std::abs((load - 50.0) / (load + 50.0));
        const double gIn = std::abs((in - 50.0) / (in + 50.0));
        EXPECT_NEAR(gIn, gLoad * std::pow(10.0, -2.0 * rg58.lossDb(7.1e6) / 20.0), 1e-12);
    }
    // A lossless open quarter wave is a short, a half wave an open: 100 m of window line with
    // VF 0.91 is a quarter wave at 0.6822 MHz.
    Feedline ladder = Line("ladder450:100");
    ladder.type.lossSqrtCoefficient = 0.0;
    const double quarterHz = 0.91 * kSpeedOfLightMetresPerSecond / 400.0;
    const Z open(1e15, 0.0);
    EXPECT_LT(std::abs(ImpedanceThroughLine(open, ladder, quarterHz)), 1e-6);
    EXPECT_GT(std::abs(ImpedanceThroughLine(open, ladder, 2.0 * quarterHz)), 1e6);
    // With loss, the open quarter wave reads Z0 tanh(alpha l).
    const Feedline lossy = Line("ladder450:100");
    const double alphaL = lossy.lossDb(quarterHz) / 8.685889638065037;
    EXPECT_NEAR(std::abs(ImpedanceThroughLine(open, lossy, quarterHz)), 450.0 * std::tanh(alphaL),
                1e-6);
}

TEST(Feedline, TheTextNamesATypeAndALengthOrAUsersLineAndSaysWhatIsWrong) {
    const struct {
        const char* text;
        const char* type;   // the parsed type's name, or null when refused
        const char* error;  // in the refusal
    } cases[] = {
        {"rg58:20", "rg58", ""},
        {"RG213:0", "rg213", ""},
        {"user:10:75:0.8:3:1:30:4", "user", ""},
        {"rg58", nullptr, "no length"},
        {"rg58:-1", nullptr, "from 0 to 10000"},
        {"rg58:1e5", nullptr, "from 0 to 10000"},
        {"rg58:nan", nullptr, "from 0 to 10000"},
        {"coax:20", nullptr, "'coax' is no known type"},
        {"rg58:20:5", nullptr, "too many fields"},
        {"user:10:75:0.8:3:1:30", nullptr, "eight fields"},
        {"user:10:75:x:3:1:30:4", nullptr, "'x' is not a number"},
        {"user:10:75:1.5:3:1:30:4", nullptr, "the VF above 0"},
    };
    for (const auto& c : cases) {
        const ParsedFeedline parsed = ParseFeedline(QString::fromLatin1(c.text));
        ASSERT_EQ(parsed.line.has_value(), c.type != nullptr) << c.text;
        if (c.type != nullptr) {
            EXPECT_EQ(parsed.line->type.name, QLatin1String(c.type)) << c.text;
        } else {
            EXPECT_TRUE(parsed.error.contains(QLatin1String(c.error)))
                << c.text << ": " << parsed.error.toStdString();
        }
    }
}

}  // namespace
}  // namespace ravemo
