#include "instrument/PortChoice.h"

#include <gtest/gtest.h>

#include <QDir>

namespace ravemo {
namespace {

// Every choice opens something: what was asked for, else the simulator standing in with the
// reason kept.
TEST(OpenPort, OpensTheChoiceOrLetsTheSimulatorStandInSayingWhy) {
    const struct {
        const char* choice;
        std::int16_t address1;
        const char* description;  // nullptr: not checked
        PortProblem kind;
        const char* problem;
    } cases[] = {
        {"", 0, "simulated instrument (dipole resonant near 14.2 MHz)", PortProblem::None, ""},
        {"SIM:rlc:r=50,l=1.2u,c=100p", 888,
         "simulated instrument (series R 50 ohm, L 1.2 uH, C 100 pF)", PortProblem::None, ""},
        {"sim:banana", 888, nullptr, PortProblem::BadChoice, "unknown load 'banana'"},
        {"sim;noise=3", 888, "simulated instrument (dipole resonant near 14.2 MHz) with noise",
         PortProblem::None, ""},
        {"sim:short;line=rg58:20;directivity=30", 888,
         "simulated instrument (short circuit behind 20 m of RG-58 (50 ohm, VF 0.66)) with "
         "bridge errors",
         PortProblem::None, ""},
        {"sim:open;noise=x", 888, nullptr, PortProblem::BadChoice, "option 'noise=x'"},
        {"ppdev;noise=1", 888, nullptr, PortProblem::BadChoice,
         "options after ';' are for the simulator only, in 'ppdev;noise=1'"},
        {"serial", 888, nullptr, PortProblem::BadChoice,
         "unknown port choice 'serial'; allowed: sim, sim:MODEL (e.g. sim:rlc:r=50,l=1.2u,c=100p), "
         "sim:MODEL;OPTION... (e.g. sim:dipole:7.1;line=rg58:20;noise=2), ppdev, "
         "ppdev:/dev/parportN, direct"},
        {"ppdev:/nonexistent/parport9", 888, nullptr, PortProblem::Unavailable, "modprobe ppdev"},
        {"ppdev", 0, nullptr, PortProblem::Unavailable, "Address1 is 0"},
        {"inpout", 888, nullptr, PortProblem::Unavailable, "only on Windows"},
    };
    for (const auto& c : cases) {
        const OpenedPort opened = OpenPort(c.choice, c.address1);
        ASSERT_NE(opened.port, nullptr) << c.choice;
        EXPECT_TRUE(opened.simulated) << c.choice;
        if (c.description != nullptr) {
            EXPECT_EQ(opened.description, c.description);
        }
        EXPECT_EQ(opened.problemKind, c.kind) << c.choice;
        EXPECT_TRUE(opened.problem.contains(c.problem)) << opened.problem.toStdString();
        EXPECT_EQ(opened.problem.isEmpty(), c.kind == PortProblem::None) << c.choice;
    }
    EXPECT_EQ(OpenPort("sim:open", 888, SimulatedNoise{1.0, 7}).description,
              "simulated instrument (open circuit) with noise");
}

TEST(OpenPort, AutomaticChoiceWithoutAParallelPortFallsBack) {
    if (QDir(QStringLiteral("/proc/sys/dev/parport")).exists()) {
        GTEST_SKIP() << "this machine has parallel ports";
    }
    const OpenedPort opened = OpenPort("", 888);
    EXPECT_TRUE(opened.simulated);
    EXPECT_TRUE(opened.problem.startsWith("no parallel port at address 888 (0x378)"));
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
    ASSERT_NE(standIn.port, nullptr);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(standIn.problem, asked.front());
    EXPECT_EQ(standIn.problemKind, PortProblem::Unavailable);

    EXPECT_EQ(OpenPortOrSimulator("serial", 888, answer(false)).port, nullptr);
    EXPECT_NE(OpenPortOrSimulator("sim:short", 888, answer(false)).port, nullptr);
    EXPECT_EQ(asked.size(), 2);  // no question when the choice opened
}

}  // namespace
}  // namespace ravemo
