// A dipole swept through the simulated instrument at the end of its coax, moved back to its
// feedpoint: the SWR the antenna itself has, from the closed form of the line.

#include <gtest/gtest.h>

#include <cmath>

#include <QTemporaryDir>

#include "AntennaPhysics.h"
#include "SimulatedSweep.h"
#include "analysis/FeedpointSamples.h"
#include "analysis/SweepSamples.h"
#include "common/FeedlineText.h"

namespace ravemo {
namespace {

constexpr std::int32_t kFeedChamp = 2000;

Feedline Line(const char* text) { return *ParseFeedline(QString::fromLatin1(text)).line; }

TEST(Feedpoint, TheSwrAtTheAntennaIsTheModelsAndTheCableHidesWhatItMust) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("fed.s1p"));
    std::size_t seenThroughShortCable = 0;
    for (const char* cable : {"rg58:20", "rg58:50"}) {
        const Feedline line = Line(cable);
        const auto antenna = [](double hz) { return test::Dipole(hz, 7.1e6); };
        test::WriteTouchstone(
            path, [&](double hz) { return ImpedanceThroughLine(antenna(hz), line, hz); }, 3e6, 30e6,
            6001);
        const AntennaSamples atAnalyser = SamplesFromSweep(
            test::SweepSimulated(QStringLiteral("s1p:") + path, 3, 30, kFeedChamp), 1);
        const FeedpointSamples fed = SamplesAtAntenna(atAnalyser, line);
        int compared = 0;
        for (const AntennaSample& s : fed.samples.samples) {
            const double trueSwr = test::SwrOf(antenna(s.hz));
            if (trueSwr < 3.0) {
                EXPECT_NEAR(s.swr, trueSwr, 0.05) << cable << " " << s.hz;
                ++compared;
            }
            // Where the sign is known the impedance is the antenna's own.
            if (s.xsSign != ReactanceSign::Unknown && trueSwr < 3.0) {
                EXPECT_NEAR(s.rs, antenna(s.hz).real(), 0.1 * std::abs(antenna(s.hz)) + 2.0)
                    << cable << " " << s.hz;
            }
            if (s.xsSign == ReactanceSign::Unknown) {
                EXPECT_TRUE(std::isnan(s.xs));
            }
        }
        EXPECT_GT(compared, 50) << cable;  // the 40 m dip is seen through either cable
        // Far from the dip the antenna reflects nearly all: its return loss at the analyser lies
        // within the cable's own two-way loss (and a margin), and such frequencies are unseen,
        // none of them shown as a figure; a longer cable hides more.
        const std::size_t seen = fed.samples.samples.size();
        EXPECT_LT(seen, atAnalyser.samples.size()) << cable;
        if (line.lengthM > 30.0) {
            EXPECT_LT(seen, seenThroughShortCable);
        }
        seenThroughShortCable = seen;
        for (const UnseenStretch& u : fed.unseen) {
            for (const AntennaSample& s : atAnalyser.samples) {
                if (s.hz < u.lowHz || s.hz > u.highHz) continue;
                EXPECT_LT(s.returnLossDb, 2.0 * line.lossDb(s.hz) + kSeeThroughMarginDb) << s.hz;
            }
        }
    }
}

TEST(Feedpoint, AnOpenCableEndShowsNothingThroughALongLossyLineAndAShortLineIsAlmostNoLine) {
    const Feedline longLine = Line("rg174:100");
    AntennaSamples open;
    for (int i = 0; i < 10; ++i) {
        // An open end through 100 m of RG-174 reads at most 2 A below 0 dB.
        const double hz = 10e6 + i * 1e6;
        const double rl = 2.0 * longLine.lossDb(hz) + 0.5;
        const double g = std::pow(10.0, -rl / 20.0);
        open.samples.push_back(
            {hz, (1 + g) / (1 - g), rl, 1.0, 0.0, 1.0, {g, 0.0}, ReactanceSign::Unknown});
    }
    const FeedpointSamples fed = SamplesAtAntenna(open, longLine);
    EXPECT_TRUE(fed.samples.samples.empty());
    ASSERT_EQ(fed.unseen.size(), 1U);
    EXPECT_EQ(fed.unseen[0].lowHz, 10e6);
    EXPECT_EQ(fed.unseen[0].highHz, 19e6);
    // Through a 300 ohm line a reading whose sign of X is unknown tells nothing of the antenna.
    EXPECT_TRUE(SamplesAtAntenna(open, Line("twin300:100")).samples.samples.empty());

    // No length: the same figures.
    const AntennaSample match{14e6, 1.5,  13.98,      75.0,
                              0.0,  75.0, {0.2, 0.0}, ReactanceSign::Estimated};
    const AntennaSample same =
        SamplesAtAntenna({{match}, {}, {}}, Line("rg58:0")).samples.samples.at(0);
    EXPECT_NEAR(same.swr, 1.5, 1e-9);
    EXPECT_NEAR(same.rs, 75.0, 1e-9);
}

}  // namespace
}  // namespace ravemo
