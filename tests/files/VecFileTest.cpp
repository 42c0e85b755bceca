#include "files/VecFile.h"

#include <bit>
#include <cmath>

#include <limits>

#include <gtest/gtest.h>

namespace ravemo {
namespace {

TEST(VecFile, DefaultChampGivesTheKnownSizeAndEndsWithTheLimits) {
    SweepData data(6000);
    const QByteArray bytes = EncodeVecFile(data, {1.8F, 30.0F});
    EXPECT_EQ(bytes.size(), 96024);
    EXPECT_EQ(VecFileSize(6000), 96024);
    // 1.8f = 0x3FE66666, 30.0f = 0x41F00000, little-endian.
    EXPECT_EQ(bytes.right(8), QByteArray::fromHex("6666e63f0000f041"));
}

TEST(VecFile, LayoutIsReturnLossThenPhaseThenWords) {
    SweepData data(1);
    data.ReturnLossSamples = {1.0F, 2.0F};
    data.PhaseSamples = {3.0F, 4.0F};
    data.DdsWords = {5.0, 6.0};
    const QByteArray bytes = EncodeVecFile(data, {0.5F, -1.0F});
    EXPECT_EQ(bytes.toHex(),
              QByteArray("0000803f00000040"  // 1, 2
                         "0000404000008040"  // 3, 4
                         "0000000000001440"
                         "0000000000001840"     // 5.0, 6.0
                         "0000003f000080bf"));  // 0.5, -1
}

TEST(VecFile, DecodeRestoresEveryBitIncludingWordNaNPayloadsAndNegativeZero) {
    SweepData data(3);
    data.ReturnLossSamples = {std::numeric_limits<float>::max(), -0.0F, 1023.0F,
                              std::numeric_limits<float>::lowest()};
    data.PhaseSamples = {std::bit_cast<float>(0x80000001U), 1e-45F, 514.0F, 0.0F};
    data.DdsWords = {std::bit_cast<double>(0x7FF8DEADBEEF0001ULL), -0.0, 334040000.5,
                     std::numeric_limits<double>::denorm_min()};
    const VecDecodeResult decoded = DecodeVecFile(EncodeVecFile(data, {-0.0F, 50.0F}), 3);
    ASSERT_TRUE(decoded.contents) << decoded.error.toStdString();
    const SweepData& back = decoded.contents->data;
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(std::bit_cast<std::uint32_t>(back.ReturnLossSamples[i]),
                  std::bit_cast<std::uint32_t>(data.ReturnLossSamples[i]));
        EXPECT_EQ(std::bit_cast<std::uint32_t>(back.PhaseSamples[i]),
                  std::bit_cast<std::uint32_t>(data.PhaseSamples[i]));
        EXPECT_EQ(std::bit_cast<std::uint64_t>(back.DdsWords[i]),
                  std::bit_cast<std::uint64_t>(data.DdsWords[i]));
    }
    EXPECT_TRUE(std::signbit(decoded.contents->limits.minMHz));
    EXPECT_EQ(decoded.contents->limits.maxMHz, 50.0F);
}

TEST(VecFile, ASizeOfAnotherChampIsRefusedNamingBothAndThePointCount) {
    const QByteArray bytes = EncodeVecFile(SweepData(2000), {});
    const VecDecodeResult decoded = DecodeVecFile(bytes, 6000);
    EXPECT_FALSE(decoded.contents);
    EXPECT_TRUE(decoded.error.contains("32024")) << decoded.error.toStdString();
    EXPECT_TRUE(decoded.error.contains("96024"));
    EXPECT_TRUE(decoded.error.contains(
        "this file holds a sweep of 2001 points (Champ 2000); this program is set up for "
        "Champ 6000",
        Qt::CaseInsensitive));
}

TEST(VecFile, ASizeThatFitsNoSweepIsRefusedWithoutAPointCount) {
    for (const qsizetype size : {0, 7, 8, 24, 39, 96023, 96025}) {
        const VecDecodeResult decoded = DecodeVecFile(QByteArray(size, '\0'), 6000);
        EXPECT_FALSE(decoded.contents) << size;
        EXPECT_FALSE(decoded.error.contains("points")) << size;
        EXPECT_TRUE(decoded.error.contains(QString::number(size))) << size;
    }
}

TEST(VecFile, ContentThatIsNoSweepIsRefusedNamingWhatAndWhere) {
    struct Case {
        void (*spoil)(SweepData&, VecLimits&);
        const char* says;
    };
    const Case cases[] = {
        {[](SweepData& d, VecLimits&) { d.ReturnLossSamples[2] = NAN; },
         "return-loss reading at sample index 2 is not a number (nan)"},
        {[](SweepData& d, VecLimits&) { d.PhaseSamples[0] = -INFINITY; },
         "phase reading at sample index 0 is not a number (-inf)"},
        {[](SweepData&, VecLimits& l) { l.minMHz = NAN; }, "lower limit is not a number"},
        {[](SweepData&, VecLimits& l) { l.maxMHz = INFINITY; }, "upper limit is not a number"},
    };
    for (const Case& c : cases) {
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
    EXPECT_EQ(ChampOfVecFileSize(24), std::nullopt);  // Champ 0
    EXPECT_EQ(ChampOfVecFileSize(8), std::nullopt);
    EXPECT_EQ(ChampOfVecFileSize(0), std::nullopt);
    EXPECT_EQ(ChampOfVecFileSize(96025), std::nullopt);
    EXPECT_EQ(ChampOfVecFileSize(-16), std::nullopt);
}

}  // namespace
}  // namespace ravemo
