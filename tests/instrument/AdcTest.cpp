#include "instrument/Adc.h"

#include <gtest/gtest.h>

#include <vector>

#include "PortRig.h"

namespace ravemo {
namespace {

using test::kAddress1;
using Kind = test::RecordingPort::Kind;
constexpr std::uint8_t kPhaseLine = 16;       // status bit 4
constexpr std::uint8_t kReturnLossLine = 32;  // status bit 5
constexpr std::uint8_t kOtherLines = 0xFF & ~(kPhaseLine | kReturnLossLine);

// The status bytes of one read, most significant bit first: per bit, the first read answers
// the phase converter, the second the return-loss converter.
std::vector<std::uint8_t> StatusOf(int phase, int returnLoss, std::uint8_t otherBits = 0) {
    std::vector<std::uint8_t> reads;
    for (int bit = 9; bit >= 0; --bit) {
        reads.push_back(otherBits | (((phase >> bit) & 1) != 0 ? kPhaseLine : 0));
        reads.push_back(otherBits | (((returnLoss >> bit) & 1) != 0 ? kReturnLossLine : 0));
    }
    return reads;
}

// A handler between two bits sees the partial reading: cleared first, one bit more at each yield.
TEST(ReadAdcPair, ClocksTenBitsWithTwoStatusReadsEachAndYieldsBeforeEach) {
    test::PortRig rig;
    rig.port.setDefaultStatus(kPhaseLine | kReturnLossLine);
    float phase = 777.0F;
    float returnLoss = 777.0F;
    std::vector<float> phaseSeen;
    rig.pump.atEveryYield([&](int) { phaseSeen.push_back(phase); });
    ReadAdcPair(rig.link, phase, returnLoss);
    std::vector<test::RecordingPort::Access> expected{{Kind::Write, kAddress1, 24}};
    for (int bit = 0; bit < 10; ++bit) {
        expected.push_back({Kind::Write, kAddress1, 0});
        expected.push_back({Kind::Read, kAddress1 + 1, kPhaseLine | kReturnLossLine});
        expected.push_back({Kind::Read, kAddress1 + 1, kPhaseLine | kReturnLossLine});
        expected.push_back({Kind::Write, kAddress1, 8});
        expected.push_back({Kind::Write, kAddress1, 0});
    }
    expected.push_back({Kind::Write, kAddress1, 24});
    EXPECT_EQ(rig.port.accesses(), expected);
    EXPECT_EQ(phaseSeen, (std::vector<float>{0, 512, 768, 896, 960, 992, 1008, 1016, 1020, 1022}));
    EXPECT_EQ(phase, 1023.0F);
    EXPECT_EQ(returnLoss, 1023.0F);

    test::RecordingPort wrapped;  // the status register address is a 16-bit sum
    ReadAdcPair(PortLink{wrapped, 0xFFFF, rig.pump}, phase, returnLoss);
    EXPECT_EQ(wrapped.accesses()[2].address, 0);
}

TEST(ReadAdcPair, TakesPhaseFromBit4OfTheFirstReadAndReturnLossFromBit5OfTheSecond) {
    std::vector<std::uint8_t> swapped;  // each line raised only in the other converter's read
    for (int k = 0; k < 10; ++k) swapped.insert(swapped.end(), {kReturnLossLine, kPhaseLine});
    const struct {
        std::vector<std::uint8_t> status;
        float phase;
        float returnLoss;
    } cases[] = {
        {StatusOf(514, 171), 514.0F, 171.0F},
        {StatusOf(1023, 0, kOtherLines), 1023.0F, 0.0F},
        {StatusOf(0, 1023, kOtherLines), 0.0F, 1023.0F},
        {swapped, 0.0F, 0.0F},
    };
    for (const auto& c : cases) {
        test::PortRig rig;
        rig.port.scriptReads(c.status);
        float phase = 777.0F;
        float returnLoss = 777.0F;
        ReadAdcPair(rig.link, phase, returnLoss);
        EXPECT_EQ(phase, c.phase);
        EXPECT_EQ(returnLoss, c.returnLoss);
    }
}

}  // namespace
}  // namespace ravemo
