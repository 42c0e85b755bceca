#include <cmath>

#include <gtest/gtest.h>
#include <QByteArrayList>

#include "common/ProgramVersion.h"
#include "files/TableExport.h"
#include "files/TouchstoneExport.h"
#include "instrument/Dds.h"
#include "instrument/TouchstoneModel.h"
#include "sweep/SweptPoints.h"

namespace ravemo {
namespace {

// Champ 8 swept with Step 2: indices 0, 2, 4, 6, 8 are on the grid. Index 0 has no word yet,
// index 6 a word too large to send, index 8 a word that is not a number; index 3 is measured
// data off the grid. Only 2 and 4 are swept points.
SweepData sweepWithStepTwo() {
    SweepData data(8);
    data.DdsWords = {0.0, 1.0e8, 334040000.0, 2.0e8, 168213000.0, 3.0e8, 3.0e9, 4.0e8, NAN};
    data.ReturnLossSamples = {1, 2, 171, 4, 700, 6, 7, 8, 9};
    data.PhaseSamples = {1, 2, 514, 4, 300, 6, 7, 8, 9};
    return data;
}

TEST(SweptPoints, OnlyGridIndicesWithASendableWord) {
    EXPECT_EQ(SweptIndices(sweepWithStepTwo(), 2), (std::vector<std::int32_t>{2, 4}));
    // Step 1 takes every index, and a Step below 1 counts as 1 rather than looping forever.
    const std::vector<std::int32_t> everyIndex{1, 2, 3, 4, 5, 7};
    EXPECT_EQ(SweptIndices(sweepWithStepTwo(), 1), everyIndex);
    EXPECT_EQ(SweptIndices(sweepWithStepTwo(), 0), everyIndex);
    EXPECT_EQ(SweptIndices(sweepWithStepTwo(), -3), everyIndex);
}

TEST(TouchstoneExport, OnePortMagnitudeAngleInAscendingFrequency) {
    const QByteArray text = EncodeTouchstone(sweepWithStepTwo(), 2);
    const QList<QByteArray> lines = text.split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], "# MHZ S MA R 50");
    EXPECT_EQ(lines[1], QByteArray("! Ravemo ") + kProgramVersion + " one-port sweep");
    EXPECT_TRUE(text.contains("sign of the phase"));
    EXPECT_TRUE(text.contains("inductive"));
    QList<QByteArray> data;
    for (const QByteArray& line : lines) {
        if (!line.isEmpty() && !line.startsWith('!') && !line.startsWith('#')) data.append(line);
    }
    // 7.05 MHz: r 700 -> 11.02 dB -> 10^(-11.02/20); p 300 -> 52.5 degrees.
    // 14 MHz: r 171 -> -19.9794 dB -> 10^(-19.9794/20); p 514 -> 89.95 degrees.
    EXPECT_EQ(data, (QList<QByteArray>{"7.05 0.28119 52.5", "14 0.100237 89.95"}));
    EXPECT_TRUE(text.endsWith('\n'));
}

TEST(TouchstoneExport, ANarrowSweepKeepsEveryFrequencyDistinctAndReadsBack) {
    // 14 to 14.0003 MHz over Champ 6000: steps of 0.05 Hz, as the sweep computes the words.
    constexpr std::int32_t kChamp = 6000;
    constexpr double kLowHz = 14e6;
    constexpr double kStepHz = 300.0 / kChamp;
    SweepData data(kChamp);
    for (std::int32_t i = 0; i <= kChamp; ++i) {
        const auto at = static_cast<std::size_t>(i);
        data.DdsWords[at] = TuningWord(i * kStepHz + kLowHz);
        data.ReturnLossSamples[at] = 600.0F;
        data.PhaseSamples[at] = 300.0F;
    }
    data.DdsWords[1] = data.DdsWords[0];  // a repeated frequency is written once
    const QByteArray text = EncodeTouchstone(data, 1);
    double previous = -1.0;
    int rows = 0;
    for (const QByteArray& line : text.split('\n')) {
        if (line.isEmpty() || line.startsWith('!') || line.startsWith('#')) continue;
        const double printed = line.split(' ').front().toDouble();
        EXPECT_GT(printed, previous) << line.toStdString();
        previous = printed;
        ++rows;
    }
    EXPECT_EQ(rows, kChamp);
    const TouchstoneModel::Parsed back = TouchstoneModel::fromText(QString::fromLatin1(text), "n");
    ASSERT_NE(back.model, nullptr) << back.error.toStdString();
    EXPECT_EQ(back.model->points().size(), static_cast<std::size_t>(kChamp));
}

TEST(TableExport, HeaderAndOneLinePerSweptPointInIndexOrder) {
    SweepData data(4);
    data.DdsWords = {0.0, 1.0, 334040000.0, 1.0, 168213000.0};
    data.ReturnLossSamples = {0, 0, 256, 0, 256};
    data.PhaseSamples = {0, 0, 0, 0, 514};
    const QList<QByteArray> lines = EncodeSweepTable(data, 2).split('\n');
    ASSERT_EQ(lines.size(), 4);  // header, two points, empty after the last LF
    EXPECT_EQ(lines[0],
              "index\tfrequency_hz\treturn_loss_db\tphase_deg\trs_ohm\txs_ohm\tz_ohm\tswr");
    EXPECT_TRUE(lines[3].isEmpty());

    const QList<QByteArray> first = lines[1].split('\t');
    ASSERT_EQ(first.size(), 8);
    EXPECT_EQ(first[0], "2");
    EXPECT_EQ(first[1], "14000000");
    EXPECT_NEAR(first[2].toDouble(), 256 * 0.0586 - 30, 1e-4);
    EXPECT_EQ(first[3], "0");
    EXPECT_NEAR(first[4].toDouble(), 71.63, 0.01);   // Rs
    EXPECT_NEAR(first[5].toDouble(), 0.0, 1e-4);     // |Xs|
    EXPECT_NEAR(first[6].toDouble(), 71.63, 0.01);   // |Z|
    EXPECT_NEAR(first[7].toDouble(), 1.433, 0.001);  // SWR

    const QList<QByteArray> second = lines[2].split('\t');
    ASSERT_EQ(second.size(), 8);
    EXPECT_EQ(second[0], "4");
    EXPECT_EQ(second[1], "7050000");
    EXPECT_EQ(second[3], "89.95");
    EXPECT_NEAR(second[4].toDouble(), 46.96, 0.01);
    EXPECT_NEAR(second[5].toDouble(), 17.25, 0.01);
    EXPECT_NEAR(second[6].toDouble(), 50.03, 0.01);
}

TEST(TableExport, NoSweptPointGivesTheHeaderAlone) {
    EXPECT_EQ(EncodeSweepTable(SweepData(10), 1),
              "index\tfrequency_hz\treturn_loss_db\tphase_deg\trs_ohm\txs_ohm\tz_ohm\tswr\n");
}

}  // namespace
}  // namespace ravemo
