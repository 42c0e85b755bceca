// Numbers on the charts and in the tables stay readable whatever the data: no line of decimals
// under a range narrower than any scale, no line of digits for a value no antenna gives.

#include <limits>

#include <gtest/gtest.h>

#include "plot/FrequencyLabels.h"
#include "plot/NiceTicks.h"
#include "plot/TuningTables.h"

namespace ravemo {
namespace {

TEST(NumberBounds, TickLabelsStopAtSixDecimalsAndHugeValuesTakeAnExponent) {
    // Frequencies of 1e-80 to 3e-80 Hz, a file in the wrong unit: 86 decimals before.
    const LinearTicks ticks = NiceLinearTicks(1e-80, 3e-80, 10);
    ASSERT_FALSE(ticks.values.empty());
    EXPECT_EQ(MHzText(ticks.values.back(), MHzDecimalsForStep(ticks.step), QLocale::c()),
              "0.000000");
    EXPECT_EQ(DecimalsForStep(1e-6), 6);  // a hertz in MHz still shows
    EXPECT_EQ(DecimalsForStep(1e-7), 6);
    EXPECT_EQ(FixedText(999'999'999.0, 0, QLocale::c()), "999999999");
    EXPECT_EQ(FixedText(4503599627370496.0, 1, QLocale::c()), "4.5036e+15");
}

// Near a full reflection the SWR is a rounding artefact (2^54 at |G| = 1 - 2^-53): the band
// table says "> 99", or "∞" when it is infinite.
TEST(NumberBounds, AnSwrBeyondTheConvertersShowsAsAboveNinetyNineOrInfinity) {
    const struct {
        double swr;
        const char* shown;
    } cases[] = {
        {18014398509481984.0, "> 99"},
        {99.5, "> 99"},
        {99.0, "99.0"},
        {std::numeric_limits<double>::infinity(), "\u221E"},
    };
    for (const auto& c : cases) {
        BandCoverage band{{"160m", 1.81e6, 2e6}, c.swr, 1.9e6, 0.0, 1.0};
        const TextTable table = BandTable({band}, QLocale::c());
        ASSERT_EQ(table.rows.size(), 1U);
        EXPECT_TRUE(table.rows[0].contains(QString::fromUtf8(c.shown)))
            << c.swr << ": " << table.rows[0].join(" | ").toStdString();
    }
}

}  // namespace
}  // namespace ravemo
