#include "instrument/Dds.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "PortRig.h"

namespace ravemo {
namespace {

// Frame bits 31 to 39 after the 31 word bits: 0, 1, seven 0s.
const std::string kFrameTail = "010000000";

// The writes of a frame given as its 40 bits in sending order, then the update pulse.
std::vector<std::uint8_t> FrameWrites(const std::string& sendingOrder) {
    std::vector<std::uint8_t> writes;
    for (const char bit : sendingOrder) {
        if (bit == '1') {
            writes.insert(writes.end(), {24, 25, 27});
        } else {
            writes.insert(writes.end(), {24, 26});
        }
    }
    writes.insert(writes.end(), {24, 28, 24});
    return writes;
}

TEST(DdsLoadWord, SendsTheWordsLow31BitsFirstThenTheTail) {
    EXPECT_EQ(TuningWord(10e6), 238600000.0);
    const struct {
        double word;
        std::string bits;  // word bits 0 to 30
    } cases[] = {
        {TuningWord(10e6), "0000001011111101000111000111000"},
        {-1.0, std::string(31, '1')},          // the two's complement's low bits
        {-6.4, "010" + std::string(28, '1')},  // -6
        {2.5, "01" + std::string(29, '0')},    // ties to even: 2
    };
    for (const auto& c : cases) {
        test::PortRig rig;
        DdsLoadWord(rig.link, c.word);
        EXPECT_EQ(rig.port.writtenValues(), FrameWrites(c.bits + kFrameTail)) << c.word;
        EXPECT_EQ(rig.port.readCount(), 0U);
        for (const auto& access : rig.port.accesses()) EXPECT_EQ(access.address, test::kAddress1);
    }
}

TEST(DdsLoadWord, YieldsBeforeEachWordBitAndSendsNothingForAWordOutsideTheFrameAndClearsWithout) {
    test::PortRig rig;
    std::vector<std::size_t> writesAtYield;
    rig.pump.atEveryYield([&](int) { writesAtYield.push_back(rig.port.accesses().size()); });
    DdsLoadWord(rig.link, -1.0);  // every word bit a 1: three writes each
    ASSERT_EQ(writesAtYield.size(), 31U);
    for (std::size_t k = 0; k < writesAtYield.size(); ++k) EXPECT_EQ(writesAtYield[k], 3 * k);

    test::PortRig outside;
    DdsLoadWord(outside.link, 2147483648.0);
    DdsLoadWord(outside.link, std::numeric_limits<double>::quiet_NaN());
    EXPECT_TRUE(outside.port.accesses().empty());
    EXPECT_EQ(outside.pump.count(), 0);

    DdsClear(outside.link);  // 40 zero bits and the update, without yielding
    EXPECT_EQ(outside.port.writtenValues(), FrameWrites(std::string(40, '0')));
    EXPECT_EQ(outside.pump.count(), 0);
}

TEST(WordFitsFrame, FramesAndReachAroundTheBoundaries) {
    const struct {
        double word;
        bool fits;       // can be sent as a frame
        bool reachable;  // and the synthesiser makes that frequency
    } cases[] = {
        {2147483647.4, true, true},   {2147483647.5, false, false},  // rounds (to even) to 2^31
        {-0.4, true, false},  // a frame of 0, but a negative frequency was asked for
        {-2147483648.0, true, false}, {-2147483649.0, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WordFitsFrame(c.word), c.fits) << c.word;
        EXPECT_EQ(WordIsReachable(c.word), c.reachable) << c.word;
    }
}

}  // namespace
}  // namespace ravemo
