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

TEST(OpenPort, FailuresFallBackToTheSimulatorAndSayWhatKindAndWhy) {
    struct Case {
        const char* choice;
        std::int16_t address1;
        PortProblem kind;
        const char* problem;
    };
    const Case cases[] = {
        {"sim:banana", 888, PortProblem::BadChoice, "unknown load 'banana'"},
        {"sim:rlc:l=1e400", 888, PortProblem::BadChoice, "is out of range"},
        {"serial", 888, PortProblem::BadChoice,
         "unknown port choice 'serial'; allowed: sim, "
         "sim:MODEL (e.g. sim:rlc:r=50,l=1.2u,c=100p), "
         "ppdev, ppdev:/dev/parportN, direct"},
        {"direct:now", 888, PortProblem::BadChoice, "unknown port choice"},
        {"ppdev:/nonexistent/parport9", 888, PortProblem::Unavailable, "modprobe ppdev"},
        {"ppdev", 0, PortProblem::Unavailable, "Address1 is 0"},
        {"direct", 0, PortProblem::Unavailable, "Address1 is 0"},
#ifndef _WIN32
        {"inpout", 888, PortProblem::Unavailable, "only on Windows"},
#endif
    };
    for (const Case& c : cases) {
        const OpenedPort opened = OpenPort(c.choice, c.address1);
        ExpectSimulatorStandingIn(opened);
        EXPECT_EQ(opened.problemKind, c.kind) << c.choice;
        EXPECT_TRUE(opened.problem.contains(c.problem)) << opened.problem.toStdString();
    }
    EXPECT_EQ(OpenPort("sim", 888).problemKind, PortProblem::None);
}

TEST(OpenPortOrSimulator, AStandInKeepsTheReasonAndADeclineOpensNothing) {
    QStringList asked;
    const auto answer = [&asked](bool yes) {
        return [&asked, yes](const QString& problem) {
            asked << problem;
            return yes;
        };
    };
    const OpenedPort standIn =
        OpenPortOrSimulator("ppdev:/nonexistent/parport9", 888, answer(true));
    ExpectSimulatorStandingIn(standIn);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(standIn.problem, asked.front());
    EXPECT_TRUE(standIn.problem.contains("/nonexistent/parport9"));
    EXPECT_EQ(standIn.problemKind, PortProblem::Unavailable);

    EXPECT_EQ(OpenPortOrSimulator("serial", 888, answer(false)).port, nullptr);
    const OpenedPort asAsked = OpenPortOrSimulator("sim:short", 888, answer(false));
    ASSERT_NE(asAsked.port, nullptr);
    EXPECT_TRUE(asAsked.problem.isEmpty());
    EXPECT_EQ(asked.size(), 2);  // no question when the choice opened
}

TEST(OpenPort, AutomaticChoiceWithoutAParallelPortFallsBack) {
    if (QDir(QStringLiteral("/proc/sys/dev/parport")).exists()) {
        GTEST_SKIP() << "this machine has parallel ports";
    }
    const OpenedPort opened = OpenPort("", 888);
    ExpectSimulatorStandingIn(opened);
    EXPECT_TRUE(opened.problem.startsWith("no parallel port at address 888 (0x378)"));
}

}  // namespace
}  // namespace ravemo
