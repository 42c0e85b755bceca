#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "instrument/Adc.h"
#include "support/RecordingPort.h"
#include "support/ScriptedPump.h"

namespace ravemo {
namespace {

using test::RecordingPort;

constexpr std::uint16_t kAddress1 = 888;
constexpr std::uint16_t kStatus = 889;

struct AdcRig {
    RecordingPort port;
    test::ScriptedPump pump;
    PortLink link{port, kAddress1, pump};
    float phase = 0.0F;
    float returnLoss = 0.0F;
    void read() { ReadAdcPair(link, phase, returnLoss); }
};

// Status bytes for ten steps: the first read of step k answers phase[k], the second rl[k].
std::vector<std::uint8_t> StatusFor(const std::vector<std::uint8_t>& phaseReads,
                                    const std::vector<std::uint8_t>& returnLossReads) {
    std::vector<std::uint8_t> values;
    for (std::size_t k = 0; k < phaseReads.size(); ++k) {
        values.push_back(phaseReads[k]);
        values.push_back(returnLossReads[k]);
    }
    return values;
}

TEST(ReadAdcPair, ExactAccessSequence) {
    AdcRig rig;
    rig.read();
    using A = RecordingPort::Access;
    using K = RecordingPort::Kind;
    std::vector<A> expected{{K::Write, kAddress1, 24}};
    for (int k = 0; k < 10; ++k) {
        expected.push_back({K::Write, kAddress1, 0});
        expected.push_back({K::Read, kStatus, 0});
        expected.push_back({K::Read, kStatus, 0});
        expected.push_back({K::Write, kAddress1, 8});
        expected.push_back({K::Write, kAddress1, 0});
    }
    expected.push_back({K::Write, kAddress1, 24});
    EXPECT_EQ(rig.port.accesses(), expected);
    EXPECT_EQ(rig.port.readCount(), 20U);
    EXPECT_EQ(rig.pump.count(), 10);
}

TEST(ReadAdcPair, StatusAddressIsA16BitSum) {
    RecordingPort port;
    test::ScriptedPump pump;
    float phase = 0;
    float returnLoss = 0;
    ReadAdcPair(PortLink{port, 0x7FFF, pump}, phase, returnLoss);
    EXPECT_EQ(port.accesses()[2].address, 0x8000);
}

TEST(ReadAdcPair, PhaseFromTheFirstReadBit4ReturnLossFromTheSecondBit5) {
    AdcRig rig;
    rig.port.setDefaultStatus(16);  // bit 4 always set, bit 5 always clear
    rig.read();
    EXPECT_EQ(rig.phase, 1023.0F);
    EXPECT_EQ(rig.returnLoss, 0.0F);

    // Each line shown only in the read that belongs to the other converter: both read 0.
    AdcRig swapped;
    swapped.port.scriptReads(
        StatusFor(std::vector<std::uint8_t>(10, 32), std::vector<std::uint8_t>(10, 16)));
    swapped.read();
    EXPECT_EQ(swapped.phase, 0.0F);
    EXPECT_EQ(swapped.returnLoss, 0.0F);

    AdcRig both;
    both.port.scriptReads(
        StatusFor(std::vector<std::uint8_t>(10, 16), std::vector<std::uint8_t>(10, 32)));
    both.read();
    EXPECT_EQ(both.phase, 1023.0F);
    EXPECT_EQ(both.returnLoss, 1023.0F);
}

TEST(ReadAdcPair, MostSignificantBitFirst) {
    std::vector<std::uint8_t> firstOnly(10, 0);
    firstOnly.front() = 16 | 32;
    std::vector<std::uint8_t> lastOnly(10, 0);
    lastOnly.back() = 16 | 32;

    AdcRig first;
    first.port.scriptReads(StatusFor(firstOnly, firstOnly));
    first.read();
    EXPECT_EQ(first.phase, 512.0F);
    EXPECT_EQ(first.returnLoss, 512.0F);

    AdcRig last;
    last.port.scriptReads(StatusFor(lastOnly, lastOnly));
    last.read();
    EXPECT_EQ(last.phase, 1.0F);
    EXPECT_EQ(last.returnLoss, 1.0F);

    // 514 = 1000000010 and 171 = 0010101011.
    AdcRig mixed;
    const std::vector<std::uint8_t> phaseBits{16, 0, 0, 0, 0, 0, 0, 0, 16, 0};
    const std::vector<std::uint8_t> lossBits{0, 0, 32, 0, 32, 0, 32, 0, 32, 32};
    mixed.port.scriptReads(StatusFor(phaseBits, lossBits));
    mixed.read();
    EXPECT_EQ(mixed.phase, 514.0F);
    EXPECT_EQ(mixed.returnLoss, 171.0F);
}

TEST(ReadAdcPair, StatusBitsOtherThan4And5AreIgnored) {
    AdcRig rig;
    rig.port.setDefaultStatus(0xFF & ~(16 | 32));
    rig.read();
    EXPECT_EQ(rig.phase, 0.0F);
    EXPECT_EQ(rig.returnLoss, 0.0F);

    AdcRig all;
    all.port.setDefaultStatus(0xFF);
    all.read();
    EXPECT_EQ(all.phase, 1023.0F);
    EXPECT_EQ(all.returnLoss, 1023.0F);
}

TEST(ReadAdcPair, AReadingReplacesTheOldValueCompletely) {
    for (float old : {9999.0F, -5.5F, 1023.0F, std::numeric_limits<float>::quiet_NaN()}) {
        AdcRig rig;
        rig.phase = old;
        rig.returnLoss = old;
        std::vector<std::uint8_t> lastOnly(10, 0);
        lastOnly.back() = 16 | 32;
        rig.port.scriptReads(StatusFor(lastOnly, lastOnly));
        rig.read();
        EXPECT_EQ(rig.phase, 1.0F);
        EXPECT_EQ(rig.returnLoss, 1.0F);
    }
}

TEST(ReadAdcPair, AHandlerBetweenTwoBitsSeesThePartialReading) {
    AdcRig rig;
    rig.phase = 777.0F;
    rig.returnLoss = 777.0F;
    rig.port.setDefaultStatus(16 | 32);
    std::vector<float> seenPhase;
    std::vector<std::size_t> readsSeen;
    rig.pump.atEveryYield([&](int) {
        seenPhase.push_back(rig.phase);
        readsSeen.push_back(rig.port.readCount());
    });
    bool returnLossSeenAt3 = false;
    rig.pump.atYield(3, [&] { returnLossSeenAt3 = rig.returnLoss == 512.0F + 256.0F; });
    rig.read();
    ASSERT_EQ(seenPhase.size(), 10U);
    EXPECT_EQ(seenPhase.front(), 0.0F);  // cleared before the first yield
    EXPECT_EQ(seenPhase[1], 512.0F);
    EXPECT_EQ(seenPhase.back(), 1022.0F);
    for (std::size_t k = 0; k < readsSeen.size(); ++k) EXPECT_EQ(readsSeen[k], 2 * k);
    EXPECT_TRUE(returnLossSeenAt3);
    EXPECT_EQ(rig.phase, 1023.0F);
}

}  // namespace
}  // namespace ravemo
