#include <gtest/gtest.h>

#include <QDir>

#include "instrument/Adc.h"
#include "instrument/Dds.h"
#include "instrument/PortChoice.h"
#include "support/ScriptedPump.h"

namespace ravemo {
namespace {

void ExpectSimulatorStandingIn(const OpenedPort& opened) {
    ASSERT_NE(opened.port, nullptr);
    EXPECT_TRUE(opened.simulated);
    EXPECT_TRUE(opened.description.startsWith("simulated")) << opened.description.toStdString();
}

TEST(OpenPort, AddressZeroMeansTheSimulatedDipole) {
    const OpenedPort opened = OpenPort("", 0);
    ExpectSimulatorStandingIn(opened);
    EXPECT_EQ(opened.description, "simulated instrument (dipole resonant near 14.2 MHz)");
    EXPECT_TRUE(opened.problem.isEmpty());
    EXPECT_FALSE(opened.realPortRequested);
}

TEST(OpenPort, SimWithAModelAnswersAtAddress1) {
    OpenedPort opened = OpenPort("SIM:rlc:r=50,l=1.2u,c=100p", 888);
    ExpectSimulatorStandingIn(opened);
    EXPECT_EQ(opened.description, "simulated instrument (series R 50 ohm, L 1.2 uH, C 100 pF)");
    EXPECT_TRUE(opened.problem.isEmpty());

    test::ScriptedPump pump;
    const PortLink link{*opened.port, 888, pump};
    DdsLoadWord(link, TuningWord(5e6));  // far below resonance: strongly capacitive
    float phase = 0;
    float returnLoss = 0;
    ReadAdcPair(link, phase, returnLoss);
    EXPECT_GT(phase, 100.0F);
    EXPECT_GT(returnLoss, 100.0F);
}

TEST(OpenPort, NoiseIsNamedInTheDescription) {
    const OpenedPort opened = OpenPort("sim:open", 888, SimulatedNoise{1.0, 7});
    EXPECT_EQ(opened.description, "simulated instrument (open circuit) with noise");
}

TEST(OpenPort, BadChoicesFallBackToTheSimulatorWithTheProblem) {
    const OpenedPort badModel = OpenPort("sim:banana", 888);
    ExpectSimulatorStandingIn(badModel);
    EXPECT_TRUE(badModel.problem.contains("unknown load 'banana'"));
    EXPECT_FALSE(badModel.realPortRequested);

    const OpenedPort unknown = OpenPort("serial", 888);
    ExpectSimulatorStandingIn(unknown);
    EXPECT_TRUE(unknown.problem.contains("unknown port choice 'serial'"));
    EXPECT_TRUE(unknown.problem.contains("sim:MODEL"));
    EXPECT_TRUE(unknown.problem.contains("ppdev:/dev/parportN"));
    EXPECT_TRUE(unknown.problem.contains("direct"));
    EXPECT_TRUE(OpenPort("direct:now", 888).problem.contains("unknown port choice"));
}

TEST(OpenPort, RealPortFailuresFallBackAndSaySo) {
    const OpenedPort missing = OpenPort("ppdev:/nonexistent/parport9", 888);
    ExpectSimulatorStandingIn(missing);
    EXPECT_TRUE(missing.realPortRequested);
    EXPECT_TRUE(missing.problem.contains("modprobe ppdev")) << missing.problem.toStdString();

    const OpenedPort noAddress = OpenPort("ppdev", 0);
    ExpectSimulatorStandingIn(noAddress);
    EXPECT_TRUE(noAddress.problem.contains("Address1 is 0"));
    EXPECT_TRUE(OpenPort("direct", 0).problem.contains("Address1 is 0"));
#ifndef _WIN32
    EXPECT_TRUE(OpenPort("inpout", 888).problem.contains("only on Windows"));
#endif
}

TEST(OpenPort, AutomaticChoiceWithoutAParallelPortFallsBack) {
    if (QDir(QStringLiteral("/proc/sys/dev/parport")).exists()) {
        GTEST_SKIP() << "this machine has parallel ports";
    }
    const OpenedPort opened = OpenPort("", 888);
    ExpectSimulatorStandingIn(opened);
    EXPECT_TRUE(opened.realPortRequested);
    EXPECT_TRUE(opened.problem.startsWith("no parallel port at address 888 (0x378)"));
}

}  // namespace
}  // namespace ravemo
