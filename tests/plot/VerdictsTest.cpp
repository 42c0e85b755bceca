// The analysis's verdicts in words, as the window, the command line's text and a report show them.

#include <gtest/gtest.h>

#include <limits>

#include "plot/TuningTables.h"
#include "plot/Verdicts.h"

namespace ravemo {
namespace {

const QLocale kComma(QLocale::German, QLocale::Germany);
const QLocale kPoint = QLocale::c();

AntennaSample Sample(double hz, double swr, double rs, double xs, double z,
                     ReactanceSign sign = ReactanceSign::Estimated) {
    return {hz, swr, 0.0, rs, xs, z, {}, sign};
}

TEST(Verdicts, DipRowsNameEveryBandwidthTheSignStateAndWhyQIsMissing) {
    AntennaSamples set;
    set.samples = {Sample(6.9e6, 3.0, 50, 1, 50), Sample(50.0e6, 3.0, 50, 1, 50)};
    SwrDip full;
    full.bottom = Sample(7.10049e6, 1.456, 72.94, -0.06, 72.9);
    full.swr2 = SwrEdges{6.95e6, 7.2769e6};
    full.swr15 = SwrEdges{7.06e6, 7.1408e6};
    full.q = 15.4;
    SwrDip shallow;  // SWR 1.8: a 2:1 band beyond the sweep's end, no 1.5:1 band
    shallow.bottom = Sample(49.9e6, 1.8, 120.0, 35.25, 125.0, ReactanceSign::Unknown);
    shallow.swr2 = SwrEdges{49.75e6, std::nullopt};
    shallow.qProblem = QProblem::EdgeOutside;
    SwrDip atTwo;  // reads 2:1 within a converter step
    atTwo.bottom = Sample(14.2e6, 1.995, 25.1, 0.4, 25.1);
    atTwo.swr2 = SwrEdges{14.1e6, 14.3e6};
    atTwo.qProblem = QProblem::BottomNearTwoToOne;
    const TextTable table = DipTable({full, shallow, atTwo}, set, kComma);
    EXPECT_EQ(table.heads.at(3), QString::fromUtf8("X (est.) (\u03A9)"));
    ASSERT_EQ(table.rows.size(), 3U);
    EXPECT_EQ(table.rows[0],
              (QStringList{"7,1005", "1,46", "72,9", "-0,1", "326,9", "80,8", "15"}));
    EXPECT_EQ(table.rows[1], (QStringList{"49,9000", "1,80", "120", "35,3 (sign unknown)",
                                          "> 250,0", "not reached", "edge outside"}));
    EXPECT_EQ(table.rows[2].at(6), "bottom at 2:1");
    set.sign = ReactanceSign::Measured;
    EXPECT_EQ(DipTable({}, set, kComma).heads.at(3), QString::fromUtf8("X (\u03A9)"));

    const struct {
        const SwrDip& dip;
        double level;
        const char* band;
        const char* q;
    } texts[] = {
        {full, 2.0, "from 6.9500 to 7.2769 MHz (326.9 kHz)", "Q 15"},
        {shallow, 2.0, "from 49.7500 MHz to beyond 50.0000 MHz",
         "Q unknown: an edge of the 2:1 band lies outside the sweep"},
        {shallow, 1.5, "not reached", "Q unknown: an edge of the 2:1 band lies outside the sweep"},
        {atTwo, 2.0, "from 14.1000 to 14.3000 MHz (200.0 kHz)",
         "Q unknown: the lowest SWR is within one converter step of 2:1"},
    };
    for (const auto& t : texts) {
        EXPECT_EQ(BandText(t.dip, t.level, t.level == 2.0 ? t.dip.swr2 : t.dip.swr15, 6.9e6, 50e6,
                           kPoint),
                  t.band);
        EXPECT_EQ(QText(t.dip, kPoint), t.q);
    }
    // A bottom above the level never reaches it, whatever edges come with it.
    EXPECT_EQ(BandText(shallow, 1.5, shallow.swr2, 6.9e6, 50e6, kPoint), "not reached");
    SwrDip below = full;
    below.swr2 = SwrEdges{std::nullopt, 7.2e6};
    EXPECT_EQ(BandText(below, 2.0, below.swr2, 6.9e6, 50e6, kPoint),
              "from below 6.9000 MHz to 7.2000 MHz");
}

TEST(Verdicts, TrimByTheDipOrTheEdgeAndNoAbsurdNumbers) {
    const struct {
        TrimAdvice trim;
        const char* text;
    } cases[] = {
        {{14.2e6, TrimBasis::Dip, 13.65e6, 1.3, (13.65 / 14.2 - 1) * 100},
         "Trim for 14.2000 MHz: the dip at 13.6500 MHz: make the element 3.9% shorter"},
        {{7.1e6, TrimBasis::Dip, 7.2e6, 1.3, 1.41},
         "Trim for 7.1000 MHz: the dip at 7.2000 MHz: make the element 1.4% longer"},
        {{7.1e6, TrimBasis::Dip, 7.1e6, 1.3, 0.04},
         "Trim for 7.1000 MHz: the dip at 7.1000 MHz: no change needed"},
        {{7.1e6, TrimBasis::LowerEdge, 6.9e6, 1.8, 0.0},
         "Trim for 7.1000 MHz: the lowest SWR (1.80) is at the lower edge, 6.9000 MHz: sweep "
         "lower"},
        {{7.1e6, TrimBasis::UpperEdge, 7.3e6, 1.8, 0.0},
         "Trim for 7.1000 MHz: the lowest SWR (1.80) is at the upper edge, 7.3000 MHz: sweep "
         "higher"},
        {{7.1e6, TrimBasis::NoSwrDip, 0.0, 0.0, 0.0},
         "Trim for 7.1000 MHz: no SWR dip under 2.00 in the sweep"},
    };
    for (const auto& c : cases) EXPECT_EQ(TrimSentence(c.trim, 2.0, kPoint), c.text);

    for (const auto& [swr, text] :
         {std::pair{1.456, "1,46"}, std::pair{12.34, "12,3"}, std::pair{99.0, "99,0"},
          std::pair{99.01, "> 99"}, std::pair{1.8014398509482e16, "> 99"},
          std::pair{std::numeric_limits<double>::infinity(), "\u221E"}}) {
        EXPECT_EQ(SwrText(swr, kComma), QString::fromUtf8(text)) << swr;
    }
    // A reading the bridge cannot tell from its directivity floor says so.
    AntennaSample atFloor = Sample(14e6, 1.02, 50.0, 0.0, 50.0);
    EXPECT_EQ(SampleSwrText(atFloor, kComma), "1,02");
    atFloor.floorSwr = 1.1;
    EXPECT_EQ(SampleSwrText(atFloor, kComma), "below 1,10");
}

}  // namespace
}  // namespace ravemo
