#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "instrument/Dds.h"
#include "support/RecordingPort.h"
#include "support/ScriptedPump.h"

namespace ravemo {
namespace {

using test::RecordingPort;

constexpr std::uint16_t kAddress1 = 888;

// The writes of a frame given as its 40 bits in sending order, then the update pulse.
std::vector<std::uint8_t> FrameWrites(const std::string& sendingOrder) {
    std::vector<std::uint8_t> writes;
    for (char bit : sendingOrder) {
        if (bit == '1') {
            writes.insert(writes.end(), {24, 25, 27});
        } else {
            writes.insert(writes.end(), {24, 26});
        }
    }
    writes.insert(writes.end(), {24, 28, 24});
    return writes;
}

const std::string kTrailer =
    "0"
    "1"
    "0000000";  // frame bits 31-39

struct DdsRig {
    RecordingPort port;
    test::ScriptedPump pump;
    PortLink link{port, kAddress1, pump};
};

TEST(DdsLoadWord, TenMegahertzSendsTheGoldenFrame) {
    DdsRig rig;
    const double word = TuningWord(10e6);
    EXPECT_EQ(word, 238600000.0);
    DdsLoadWord(rig.link, word);
    const std::vector<std::uint8_t> expected =
        FrameWrites("0000001011111101000111000111000" + kTrailer);
    EXPECT_EQ(rig.port.writtenValues(), expected);
    EXPECT_EQ(rig.port.readCount(), 0U);
    EXPECT_EQ(rig.pump.count(), 31);
    for (const auto& access : rig.port.accesses()) EXPECT_EQ(access.address, kAddress1);
    // 40 clock pulses: 80 writes, one more per 1 bit (15 here with frame bit 32), 3 for update.
    EXPECT_EQ(expected.size(), 80U + 15U + 3U);
}

TEST(DdsLoadWord, ZeroHertzHasOnlyFrameBit32Set) {
    DdsRig rig;
    DdsLoadWord(rig.link, TuningWord(0.0));
    EXPECT_EQ(rig.port.writtenValues(), FrameWrites(std::string(31, '0') + kTrailer));
    EXPECT_EQ(rig.port.writtenValues().size(), 84U);  // the fewest writes a frame can take
}

TEST(DdsLoadWord, NegativeWordSendsItsLow31TwosComplementBitsAndBit31Zero) {
    DdsRig rig;
    DdsLoadWord(rig.link, -1.0);
    EXPECT_EQ(rig.port.writtenValues(), FrameWrites(std::string(31, '1') + kTrailer));
    EXPECT_EQ(rig.port.writtenValues().size(), 115U);  // the most writes a frame can take

    rig.port.clear();
    DdsLoadWord(rig.link, -2147483648.0);  // -2^31: all 31 low bits are 0
    EXPECT_EQ(rig.port.writtenValues(), FrameWrites(std::string(31, '0') + kTrailer));

    rig.port.clear();
    DdsLoadWord(rig.link, -6.4);  // rounds to -6 = ...11111010
    EXPECT_EQ(rig.port.writtenValues(), FrameWrites("010" + std::string(28, '1') + kTrailer));
}

TEST(DdsLoadWord, RoundsHalvesToEven) {
    DdsRig rig;
    DdsLoadWord(rig.link, 2.5);  // 2
    EXPECT_EQ(rig.port.writtenValues(), FrameWrites("01" + std::string(29, '0') + kTrailer));
    rig.port.clear();
    DdsLoadWord(rig.link, 3.5);  // 4
    EXPECT_EQ(rig.port.writtenValues(), FrameWrites("001" + std::string(28, '0') + kTrailer));
}

TEST(DdsLoadWord, YieldsBeforeEachOfTheFirst31BitsOnly) {
    DdsRig rig;
    // At the k-th yield, the writes of the bits before bit k-1 have been made and no more.
    std::vector<std::size_t> writesAtYield;
    rig.pump.atEveryYield([&](int) { writesAtYield.push_back(rig.port.accesses().size()); });
    DdsLoadWord(rig.link, -1.0);  // every word bit is a 1: three writes each
    ASSERT_EQ(writesAtYield.size(), 31U);
    for (std::size_t k = 0; k < writesAtYield.size(); ++k) EXPECT_EQ(writesAtYield[k], 3 * k);
}

TEST(DdsLoadWord, AWordOutsideTheFrameSendsNothing) {
    DdsRig rig;
    DdsLoadWord(rig.link, 2147483648.0);
    DdsLoadWord(rig.link, std::numeric_limits<double>::quiet_NaN());
    EXPECT_TRUE(rig.port.accesses().empty());
    EXPECT_EQ(rig.pump.count(), 0);
}

TEST(DdsClear, Writes40ZeroBitsThenUpdateWithoutYielding) {
    DdsRig rig;
    DdsClear(rig.link);
    EXPECT_EQ(rig.port.writtenValues(), FrameWrites(std::string(40, '0')));
    EXPECT_EQ(rig.pump.count(), 0);
}

TEST(DdsPrimitives, EachBeginsAtTheRestingValue) {
    DdsRig rig;
    DdsSendZero(rig.link);
    DdsSendOne(rig.link);
    DdsUpdate(rig.link);
    EXPECT_EQ(rig.port.writtenValues(),
              (std::vector<std::uint8_t>{24, 26, 24, 25, 27, 24, 28, 24}));
}

TEST(WordFitsFrame, FramesAndReachAroundTheBoundaries) {
    constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    struct Case {
        double word;
        bool fits;       // can be sent as a frame
        bool reachable;  // and the synthesiser makes that frequency
    };
    const Case cases[] = {
        {0.0, true, true},
        {-0.0, true, true},
        {2147483647.0, true, true},
        {2147483647.4, true, true},
        {2147483647.5, false, false},  // rounds (to even) to 2^31
        {2147483648.0, false, false},
        {-0.4, true, false},  // sent as a frame of 0, but a negative frequency was asked for
        {-2147483648.0, true, false},
        {-2147483649.0, false, false},
        {kNan, false, false},
        {kInf, false, false},
        {TuningWord(90003505.75), true, true},
        {TuningWord(90003505.77), false, false},  // |w| < 2^31 but rounds to 2^31
        {TuningWord(100e6), false, false},
        {TuningWord(-1.0), true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WordFitsFrame(c.word), c.fits) << c.word;
        EXPECT_EQ(WordIsReachable(c.word), c.reachable) << c.word;
    }
}

}  // namespace
}  // namespace ravemo
