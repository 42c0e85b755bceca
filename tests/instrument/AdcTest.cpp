#include "instrument/Adc.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/RecordingPort.h"
#include "support/ScriptedPump.h"

namespace ravemo {
namespace {

using test::RecordingPort;
using Kind = RecordingPort::Kind;

constexpr std::uint16_t kAddress1 = 888;
constexpr std::uint8_t kPhaseLine = 16;       // status bit 4
constexpr std::uint8_t kReturnLossLine = 32;  // status bit 5

struct AdcRig {
    RecordingPort port;
    test::ScriptedPump pump;
    float phase = 777.0F;
    float returnLoss = 777.0F;
    void read(std::uint16_t address = kAddress1) {
        ReadAdcPair(PortLink{port, address, pump}, phase, returnLoss);
    }
};

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

TEST(ReadAdcPair, ClocksTenBitsWithTwoStatusReadsEach) {
    AdcRig rig;
    rig.read();
    std::vector<RecordingPort::Access> expected{{Kind::Write, kAddress1, 24}};
    for (int bit = 0; bit < 10; ++bit) {
        expected.push_back({Kind::Write, kAddress1, 0});
        expected.push_back({Kind::Read, kAddress1 + 1, 0});
        expected.push_back({Kind::Read, kAddress1 + 1, 0});
        expected.push_back({Kind::Write, kAddress1, 8});
        expected.push_back({Kind::Write, kAddress1, 0});
    }
    expected.push_back({Kind::Write, kAddress1, 24});
    EXPECT_EQ(rig.port.accesses(), expected);
    EXPECT_EQ(rig.pump.count(), 10);

    AdcRig wrapped;  // the status register address is a 16-bit sum
    wrapped.read(0xFFFF);
    EXPECT_EQ(wrapped.port.accesses()[2].address, 0);
}

TEST(ReadAdcPair, TakesPhaseFromBit4OfTheFirstReadAndReturnLossFromBit5OfTheSecond) {
    const struct {
        std::vector<std::uint8_t> status;
        float phase;
        float returnLoss;
    } cases[] = {
        {StatusOf(514, 171), 514.0F, 171.0F},
        {StatusOf(1, 512), 1.0F, 512.0F},
        {StatusOf(1023, 0, 0xFF & ~(kPhaseLine | kReturnLossLine)), 1023.0F, 0.0F},
        {StatusOf(0, 1023, 0xFF & ~(kPhaseLine | kReturnLossLine)), 0.0F, 1023.0F},
        // Each line raised only in the other converter's read counts for neither.
        {std::vector<std::uint8_t>(20, 0), 0.0F, 0.0F},
        {[] {
             std::vector<std::uint8_t> swapped;
             for (int k = 0; k < 10; ++k)
                 swapped.insert(swapped.end(), {kReturnLossLine, kPhaseLine});
             return swapped;
         }(),
         0.0F, 0.0F},
    };
    for (const auto& c : cases) {
        AdcRig rig;
        rig.port.scriptReads(c.status);
        rig.read();
        EXPECT_EQ(rig.phase, c.phase);
        EXPECT_EQ(rig.returnLoss, c.returnLoss);
    }
}

TEST(ReadAdcPair, AHandlerBetweenTwoBitsSeesThePartialReading) {
    AdcRig rig;
    rig.port.setDefaultStatus(kPhaseLine | kReturnLossLine);
    std::vector<float> phaseSeen;
    rig.pump.atEveryYield([&](int k) {
        phaseSeen.push_back(rig.phase);
        EXPECT_EQ(rig.port.readCount(), 2U * static_cast<std::size_t>(k - 1));
    });
    rig.read();
    // Cleared before the first bit, then one bit more at each yield.
    EXPECT_EQ(phaseSeen, (std::vector<float>{0, 512, 768, 896, 960, 992, 1008, 1016, 1020, 1022}));
    EXPECT_EQ(rig.phase, 1023.0F);
    EXPECT_EQ(rig.returnLoss, 1023.0F);
}

}  // namespace
}  // namespace ravemo
