#include "files/VecFile.h"

#include <cmath>

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace ravemo
