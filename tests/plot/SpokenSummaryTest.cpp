// The essentials spoken: numbers as the tables show them, read out digit by digit after the
// point, units in words.

#include <gtest/gtest.h>

#include "plot/SpokenSummary.h"

namespace ravemo {
namespace {

SwrDip Dip(double hz, double swr, std::optional<SwrEdges> swr2, double floorSwr = 0.0) {
    SwrDip dip;
    dip.bottom.hz = hz;
    dip.bottom.swr = swr;
    dip.bottom.floorSwr = floorSwr;
    dip.swr2 = swr2;
    return dip;
}

TrimAdvice Trim(double targetHz, TrimBasis basis, double dipHz, double dipSwr) {
    return {targetHz, basis, dipHz, dipSwr, (dipHz / targetHz - 1.0) * 100.0};
}

AntennaAnalysis Analysis(std::vector<SwrDip> dips, std::optional<TrimAdvice> trim = {}) {
    AntennaAnalysis analysis;
    analysis.dips = std::move(dips);
    analysis.trim = trim;
    return analysis;
}

TEST(SpokenSummary, SpeaksTheDipItsBandAndTheTrim) {
    const SwrDip dip716 = Dip(7.16e6, 1.456, SwrEdges{7.0e6, 7.33e6});
    const SwrDip dip14 = Dip(14.0e6, 1.12, SwrEdges{13.9e6, 14.0968e6});
    AntennaAnalysis edgeOnly;
    edgeOnly.lowestAtEdge = SwrAtEdge{SweepEdge::Lower, {}};
    edgeOnly.lowestAtEdge->sample.hz = 6.9e6;
    edgeOnly.lowestAtEdge->sample.swr = 2.414;
    const struct {
        const char* name;
        AntennaAnalysis analysis;
        const char* spoken;
    } cases[] = {
        {"dip below its target",
         Analysis({dip716, dip14}, Trim(7.1e6, TrimBasis::Dip, 7.16e6, 1.456)),
         "Dip 7 point 1 6 megahertz, SWR 1 point 4 6. Two to one band 330 kilohertz. "
         "Lengthen by 0 point 8 percent."},
        {"dip above its target, the nearer of two",
         Analysis({dip716, dip14}, Trim(14.2e6, TrimBasis::Dip, 14.0e6, 1.12)),
         "Dip 14 megahertz, SWR 1 point 1 2. Two to one band 196 point 8 kilohertz. Shorten by 1 "
         "point 4 percent."},
        {"no target: the deepest, no trim", Analysis({dip14, dip716}),
         "Dip 14 megahertz, SWR 1 point 1 2. Two to one band 196 point 8 kilohertz."},
        {"on target", Analysis({dip14}, Trim(14.0004e6, TrimBasis::Dip, 14.0e6, 1.12)),
         "Dip 14 megahertz, SWR 1 point 1 2. Two to one band 196 point 8 kilohertz. No change "
         "needed."},
        {"band beyond the sweep, SWR under the floor",
         Analysis({Dip(3.5e6, 1.02, SwrEdges{std::nullopt, 3.6e6}, 1.1)}),
         "Dip 3 point 5 megahertz, SWR below 1 point 1. Two to one band reaches beyond the "
         "sweep."},
        {"lowest at an edge, no target", edgeOnly,
         "Lowest SWR 2 point 4 1 at the lower edge, 6 point 9 megahertz. Sweep lower."},
        {"lowest at an edge, with a target",
         Analysis({}, Trim(7.1e6, TrimBasis::UpperEdge, 7.3e6, 1.9)),
         "Lowest SWR 1 point 9 at the upper edge, 7 point 3 megahertz. Sweep higher."},
        {"nothing under 2", Analysis({}, Trim(7.1e6, TrimBasis::NoSwrDip, 0.0, 0.0)),
         "No SWR dip under 2 in the sweep."},
        {"nothing at all, no target", Analysis({}), "No SWR dip under 2 in the sweep."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SpokenSummary(c.analysis, true), QString::fromUtf8(c.spoken)) << c.name;
    }
    EXPECT_EQ(SpokenSummary(cases[0].analysis, false), "No sweep yet.");
    EXPECT_EQ(SpokenDipHz(cases[0].analysis), 7.16e6);
    EXPECT_EQ(SpokenDipHz(cases[1].analysis), 14.0e6);
    EXPECT_EQ(SpokenDipHz(edgeOnly), 6.9e6);
    EXPECT_EQ(SpokenDipHz(cases[7].analysis), std::nullopt);
}

TEST(SpokenSummary, NumbersReadOutSoTheyAreUnderstood) {
    const struct {
        const char* text;
        const char* spoken;
    } cases[] = {
        {"7.1600", "7 point 1 6"}, {"14.0000", "14"},
        {"0.8", "0 point 8"},      {"330.0", "330"},
        {"10.05", "10 point 0 5"}, {"> 99", "more than 99"},
        {"\u221e", "infinite"},    {"below 1.10", "below 1 point 1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SpokenNumber(QString::fromUtf8(c.text)), QString::fromUtf8(c.spoken)) << c.text;
    }
}

}  // namespace
}  // namespace ravemo
