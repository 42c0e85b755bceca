#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include <gtest/gtest.h>

#include <QByteArrayList>

#include "FilesTestSupport.h"
#include "analysis/ReflectionSamples.h"
#include "analysis/SimulatedSweep.h"
#include "common/ProgramVersion.h"
#include "files/CsvExport.h"
#include "files/TableExport.h"
#include "files/TouchstoneExport.h"
#include "files/VecFile.h"
#include "instrument/Dds.h"
#include "instrument/TouchstoneModel.h"
#include "instrument/TouchstoneParser.h"
#include "sweep/SweptPoints.h"

namespace ravemo {
namespace {

TEST(VecFile, LayoutIsReturnLossThenPhaseThenWordsThenLimits) {
    SweepData data(1);
    data.ReturnLossSamples = {1.0F, 2.0F};
    data.PhaseSamples = {3.0F, 4.0F};
    data.DdsWords = {5.0, 6.0};
    EXPECT_EQ(EncodeVecFile(data, {1.8F, 30.0F}).toHex(),
              QByteArray("0000803f00000040"  // 1, 2
                         "0000404000008040"  // 3, 4
                         "0000000000001440"
                         "0000000000001840"     // 5.0, 6.0
                         "6666e63f0000f041"));  // 1.8, 30
}

TEST(VecFile, ASizeThatIsNoSweepOfThisChampIsRefusedNamingTheSizes) {
    const VecDecodeResult other = DecodeVecFile(EncodeVecFile(SweepData(2000), {}), 6000);
    EXPECT_FALSE(other.contents);
    EXPECT_TRUE(other.error.contains(
        "this file holds a sweep of 2001 points (Champ 2000); this program is set up for "
        "Champ 6000",
        Qt::CaseInsensitive));
    for (const qsizetype size : {0, 8, 24, 39, 96023, 96025}) {
        EXPECT_EQ(ChampOfVecFileSize(size), std::nullopt) << size;
        const VecDecodeResult decoded = DecodeVecFile(QByteArray(size, '\0'), 6000);
        EXPECT_FALSE(decoded.contents) << size;
        EXPECT_FALSE(decoded.error.contains("points")) << size;
        EXPECT_TRUE(decoded.error.contains(QString::number(size))) << size;
    }
}

TEST(VecFile, ContentThatIsNoSweepIsRefusedNamingWhatAndWhere) {
    const struct {
        void (*spoil)(SweepData&, VecLimits&);
        const char* says;
    } cases[] = {
        {[](SweepData& d, VecLimits&) { d.ReturnLossSamples[2] = NAN; },
         "return-loss reading at sample index 2 is not a number (nan)"},
        {[](SweepData& d, VecLimits&) { d.PhaseSamples[0] = -INFINITY; },
         "phase reading at sample index 0 is not a number (-inf)"},
        {[](SweepData&, VecLimits& l) { l.minMHz = NAN; }, "lower limit is not a number"},
        {[](SweepData&, VecLimits& l) { l.maxMHz = INFINITY; }, "upper limit is not a number"},
    };
    for (const auto& c : cases) {
        SweepData data(3);
        VecLimits limits{1.0F, 30.0F};
        c.spoil(data, limits);
        const VecDecodeResult decoded = DecodeVecFile(EncodeVecFile(data, limits), 3);
        EXPECT_FALSE(decoded.contents) << c.says;
        EXPECT_TRUE(decoded.error.contains(c.says)) << decoded.error.toStdString();
    }
    // Tuning words are not checked: a limit beyond single precision stores an infinite word.
    SweepData unreachable(3);
    unreachable.DdsWords[1] = INFINITY;
    EXPECT_TRUE(DecodeVecFile(EncodeVecFile(unreachable, {}), 3).contents);
}

TEST(VecFile, ChampOfSizeNeedsAWholeCountFromOneToTheSettingsMaximum) {
    EXPECT_EQ(ChampOfVecFileSize(96024), 6000);
    EXPECT_EQ(ChampOfVecFileSize(40), 1);
    EXPECT_EQ(ChampOfVecFileSize(kLargestVecFileBytes), kChampMaximum);
    EXPECT_EQ(ChampOfVecFileSize(kLargestVecFileBytes + kVecBytesPerPoint), std::nullopt);
    EXPECT_EQ(ChampOfVecFileSize(-16), std::nullopt);
}

// Champ 8 swept with Step 2: indices 0, 2, 4, 6, 8 are on the grid. Index 0 has no word yet,
// index 6 a word too large to send, index 8 a word that is not a number; index 3 is measured
// data off the grid. Only 2 and 4 are swept points.
SweepData SweepWithStepTwo() {
    SweepData data(8);
    data.DdsWords = {0.0, 1.0e8, 334040000.0, 2.0e8, 168213000.0, 3.0e8, 3.0e9, 4.0e8, NAN};
    data.ReturnLossSamples = {1, 2, 171, 4, 700, 6, 7, 8, 9};
    data.PhaseSamples = {1, 2, 514, 4, 300, 6, 7, 8, 9};
    return data;
}

QByteArrayList DataLines(const QByteArray& touchstone) {
    QByteArrayList lines;
    for (const QByteArray& line : touchstone.split('\n')) {
        if (!line.isEmpty() && !line.startsWith('!') && !line.startsWith('#')) lines.append(line);
    }
    return lines;
}

// The exports below take the swept points of Step 2; a Step below 1 counts as 1 rather than
// looping forever.
TEST(SweptPoints, AStepBelowOneCountsAsOne) {
    EXPECT_EQ(SweptIndices(SweepWithStepTwo(), 1), (std::vector<std::int32_t>{1, 2, 3, 4, 5, 7}));
    EXPECT_EQ(SweptIndices(SweepWithStepTwo(), 0), SweptIndices(SweepWithStepTwo(), 1));
    EXPECT_EQ(SweptIndices(SweepWithStepTwo(), -3), SweptIndices(SweepWithStepTwo(), 1));
}

// 7.05 MHz: r 700 -> 11.02 dB -> 10^(-11.02/20); p 300 -> 52.5 degrees.
// 14 MHz: r 171 -> -19.9794 dB -> 10^(-19.9794/20); p 514 -> 89.95 degrees.
TEST(TouchstoneExport, OnePortMagnitudeAngleInAscendingFrequency) {
    const QByteArray text = EncodeTouchstone(SweepWithStepTwo(), 2);
    EXPECT_TRUE(text.startsWith(QByteArray("# MHZ S MA R 50\n! Ravemo ") + kProgramVersion +
                                " one-port sweep\n! The instrument does not measure the sign of "
                                "the phase. |S11| = 10^(-|return loss| / 20).\n! Ravemo: the sign "
                                "of each angle is estimated from |phase|, positive where "
                                "unknown\n7.05 "));
    EXPECT_EQ(DataLines(text), (QByteArrayList{"7.05 0.28119 52.5", "14 0.100237 89.95"}));
    EXPECT_TRUE(text.endsWith('\n'));
}

// A series RLC swept through the simulator: capacitive below its resonance, inductive above.
// The angles carry that sign, and Ravemo reads its own file back as estimated, not measured.
TEST(TouchstoneExport, AnglesCarryTheEstimatedSignAndReadBackAsEstimated) {
    const QByteArray text =
        EncodeTouchstone(test::SweepSimulated("rlc:r=20,l=5u,c=25p", 10, 20, 400), 1);
    EXPECT_TRUE(text.contains(QByteArray("\n") + kEstimatedSignsComment + '\n'));
    const TouchstoneParse back = ParseTouchstone(QString::fromLatin1(text));
    ASSERT_TRUE(back.signsEstimated) << back.error.toStdString();
    const double resonanceHz = 1.0 / (2.0 * std::numbers::pi * std::sqrt(5e-6 * 25e-12));
    int signed_ = 0;
    for (const TouchstoneModel::Point& p : back.points) {
        if (std::fabs(p.hz - resonanceHz) < 0.02 * resonanceHz) continue;
        EXPECT_EQ(p.gamma.imag() > 0.0, p.hz > resonanceHz) << p.hz;
        ++signed_;
    }
    EXPECT_GT(signed_, 300);
    const AntennaSamples set = SamplesFromReflections(back.points, back.referenceOhms, true);
    EXPECT_EQ(set.sign, ReactanceSign::Estimated);
    ASSERT_EQ(set.resonances.size(), 1U);
    EXPECT_NEAR(set.resonances[0].hz, resonanceHz, 0.002 * resonanceHz);
    // Without the line, the same angles are measurements.
    EXPECT_FALSE(
        ParseTouchstone(QString::fromLatin1(text).remove(kEstimatedSignsComment)).signsEstimated);
}

// 14 to 14.0003 MHz over Champ 6000: steps of 0.05 Hz, as the sweep computes the words. A
// repeated frequency is written once.
TEST(TouchstoneExport, ANarrowSweepKeepsEveryFrequencyDistinctAndReadsBack) {
    SweepData data(6000);
    for (std::size_t i = 0; i <= 6000; ++i) data.DdsWords[i] = TuningWord(0.05 * i + 14e6);
    data.DdsWords[1] = data.DdsWords[0];
    const QByteArray text = EncodeTouchstone(data, 1);
    std::vector<double> hz;
    for (const QByteArray& line : DataLines(text)) hz.push_back(line.split(' ').front().toDouble());
    ASSERT_EQ(hz.size(), 6000U);
    EXPECT_EQ(std::adjacent_find(hz.begin(), hz.end(), std::greater_equal<>()), hz.end());
    const TouchstoneModel::Parsed back = TouchstoneModel::fromText(QString::fromLatin1(text), "n");
    ASSERT_NE(back.model, nullptr) << back.error.toStdString();
    EXPECT_EQ(back.model->points().size(), 6000U);
}

TEST(TableExport, HeaderAndOneLinePerSweptPointInIndexOrder) {
    const QByteArray header =
        "index\tfrequency_hz\treturn_loss_db\tphase_deg\trs_ohm\txs_ohm\tz_ohm\tswr\n";
    EXPECT_EQ(EncodeSweepTable(SweepWithStepTwo(), 2),
              header +
                  "2\t14000000\t-19.9794\t89.95\t49.0213\t9.92726\t50.0163\t1.22281\n"
                  "4\t7050000\t11.02\t52.5\t62.5199\t30.2787\t69.4661\t1.78238\n");
    EXPECT_EQ(EncodeSweepTable(SweepData(10), 1), header);
}

// Byte for byte; a comma locale changes only the decimal separator. Index 0 is never exported.
TEST(CsvExport, EveryLineByteForByteInTheLocale) {
    SweepData data(2);
    data.ReturnLossSamples = {999.0F, 512.0F, 0.5F};
    data.PhaseSamples = {999.0F, 300.0F, -3.25F};
    data.DdsWords = {999.0, 23860000.0, 334040000.1234567};
    const QByteArray point =
        "SAMPLE N\xB0;RETURN LOSS;PHASE;DDS WORD;\r\n"
        " 1 ; 512 ; 300 ; 23860000 ;\r\n"
        " 2 ; .5 ;-3.25 ; 334040000.123457 ;\r\n"
        " 1.8           .5 \r\n";
    EXPECT_EQ(EncodeCsvExport(data, {1.8F, 0.5F}, testing::kPointLocale), point);
    EXPECT_EQ(EncodeCsvExport(data, {1.8F, 0.5F}, testing::kCommaLocale),
              QByteArray(point).replace('.', ','));
    // A limit that fills a whole print zone moves the second to the zone after.
    EXPECT_TRUE(EncodeCsvExport(data, {1.234567E+20F, 7.0F}, testing::kPointLocale)
                    .endsWith("\r\n 1.234567E+20  7 \r\n"));
    // Beyond the 16-bit range of an index counter, the export still completes.
    const QByteArrayList lines =
        EncodeCsvExport(SweepData(40000), {1.0F, 50.0F}, testing::kPointLocale).split('\n');
    ASSERT_EQ(lines.size(), 40003);
    EXPECT_EQ(lines[40000], " 40000 ; 0 ; 0 ; 0 ;\r");
}

}  // namespace
}  // namespace ravemo
