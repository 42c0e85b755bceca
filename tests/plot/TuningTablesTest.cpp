// The texts of the dips table and of the trim advice, as the window and a report show them.

#include <gtest/gtest.h>

#include "plot/TuningTables.h"

namespace ravemo {
namespace {

const QLocale kComma(QLocale::German, QLocale::Germany);

TEST(TuningTables, DipRowsNameEveryBandwidthAndTheSignOfXAndTrimAdviceIsInWords) {
    SwrDip full;
    full.bottom = {7.10049e6, 1.456, 14.6, 72.94, -0.06, 72.9, {}};
    full.swr2 = SwrEdges{6.95e6, 7.2769e6, 326'900.0};
    full.swr15 = SwrEdges{7.06e6, 7.1408e6, 80'800.0};
    full.q = 15.4;
    SwrDip shallow;  // SWR 1.8: a 2:1 band beyond the sweep's end, no 1.5:1 band
    shallow.bottom = {49.9e6, 1.8, 10.9, 120.0, 35.25, 125.0, {}};
    const TextTable table = DipTable({full, shallow}, ReactanceSign::Estimated, kComma);
    EXPECT_EQ(table.heads.at(3), QString::fromUtf8("X (est.) (\u03A9)"));
    ASSERT_EQ(table.rows.size(), 2U);
    EXPECT_EQ(table.rows[0],
              (QStringList{"7,1005", "1,46", "72,9", "-0,1", "326,9", "80,8", "15"}));
    EXPECT_EQ(table.rows[1], (QStringList{"49,9000", "1,80", "120", "+35,3", "edge outside",
                                          "not reached", QString::fromUtf8("\u2013")}));
    EXPECT_EQ(DipTable({}, ReactanceSign::Measured, kComma).heads.at(3),
              QString::fromUtf8("X (\u03A9)"));

    const struct {
        std::optional<TrimAdvice> trim;
        const char* words;
    } cases[] = {
        {TrimAdvice{7.1e6, 7.2e6, 1.41}, "lengthen by 1,4%"},
        {TrimAdvice{7.1e6, 7.04e6, -0.84}, "shorten by 0,8%"},
        {TrimAdvice{7.1e6, 7.1e6, 0.04}, "no change needed"},
        {std::nullopt, "no series resonance in the sweep"},
    };
    for (const auto& c : cases) EXPECT_EQ(TrimWords(c.trim, kComma), c.words);
}

}  // namespace
}  // namespace ravemo
