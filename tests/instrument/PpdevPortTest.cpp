#include <gtest/gtest.h>

#include <cerrno>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include "instrument/DirectIoPort.h"
#include "instrument/ParportMapping.h"
#include "instrument/PpdevPort.h"
#include "instrument/TracingPort.h"
#include "support/FakePortCalls.h"
#include "support/FileBytes.h"

namespace ravemo {
namespace {

// A fake /proc/sys/dev/parport tree and /dev directory in a temporary folder.
class FakeParports : public ::testing::Test {
  protected:
    QString proc() const { return root.filePath("parport"); }
    QString dev() const { return root.filePath("dev"); }
    void addPort(const QString& name, const QByteArray& baseAddr) {
        ASSERT_TRUE(test::WriteFileBytes(proc() + "/" + name + "/base-addr", baseAddr));
    }
    QTemporaryDir root;
};

TEST_F(FakeParports, MapsAddress1ToTheListedDeviceOrSaysWhatTheSystemHas) {
    const QString noneListed =
        "no parallel port at address 888 (0x378): the ppdev module lists none; load it with "
        "'sudo modprobe ppdev' or check Address1";
    EXPECT_EQ(FindParportForAddress(proc(), dev(), 888).problem, noneListed);  // no directory
    addPort("parport10", "48896\t48900\n");
    addPort("parport0", "888\t1912\n");
    addPort("parport2", "garbage\n");
    addPort("parport1", "632\t1656\n");
    ASSERT_TRUE(QDir().mkpath(proc() + "/default"));
    EXPECT_EQ(FindParportForAddress(proc(), dev(), 632).devicePath, dev() + "/parport1");
    const ParportLookup missing = FindParportForAddress(proc(), dev(), 956);
    EXPECT_EQ(missing.problem,
              "no parallel port at address 956 (0x3bc); the system has parport0 at 888 (0x378), "
              "parport1 at 632 (0x278), parport10 at 48896 (0xbf00): set Address1 to one of "
              "these");
}

// What the user reads when the port cannot be opened: the cause and what to do.
TEST(PortProblemText, NamesTheCauseAndTheFix) {
    using Step = PpdevPort::Step;
    const auto ppdev = [](int error, Step step) {
        return PpdevPort::problemText(error, step, "/dev/parport0");
    };
    const auto direct = [](int error) {
        FakePortCalls kernel;
        kernel.iopermError = error;
        const PortOpening opening = DirectIoPort::open(888, kernel);
        EXPECT_EQ(opening.port, nullptr);
        return opening.problem;
    };
    const std::pair<QString, QString> cases[] = {
        {ppdev(EACCES, Step::Open),
         "no permission to use /dev/parport0: add your user to the lp group: sudo adduser $USER "
         "lp, then log in again"},
        {ppdev(ENXIO, Step::Claim), "the port is held by another driver (lp?): 'sudo rmmod lp'"},
        {ppdev(ENXIO, Step::Open), "modprobe ppdev"},
        {ppdev(ENOTTY, Step::Claim), "/dev/parport0 is not a parallel port device"},
        {ppdev(EIO, Step::Claim), "cannot claim /dev/parport0: "},
        {direct(EPERM), "no permission for direct I/O at address 888 (0x378): run as root"},
        {direct(EINVAL), "address 888 (0x378) is not a valid I/O port range"},
        {direct(ENOSYS), "not available here: it needs Linux on an x86 PC"},
    };
    for (const auto& [problem, says] : cases) {
        EXPECT_TRUE(problem.contains(says)) << problem.toStdString();
    }
}

TEST(PpdevPort, ClaimsOnOpenReleasesAndClosesOnDestructionAndAFailureLeavesNothingOpen) {
    FakePortCalls kernel;
    PortOpening opening = PpdevPort::open("/dev/parport0", 888, kernel);
    ASSERT_NE(opening.port, nullptr);
    EXPECT_EQ(kernel.calls, (std::vector<std::string>{"open /dev/parport0", "ioctl 3 PPCLAIM",
                                                      "ioctl 3 PPDATADIR"}));
    kernel.calls.clear();
    opening.port.reset();
    EXPECT_EQ(kernel.calls, (std::vector<std::string>{"ioctl 3 PPRELEASE", "close 3"}));

    // A failed open or claim leaves no descriptor open.
    FakePortCalls refusesOpen;
    refusesOpen.openError = EACCES;
    EXPECT_EQ(PpdevPort::open("/dev/parport0", 888, refusesOpen).port, nullptr);
    EXPECT_EQ(refusesOpen.calls, std::vector<std::string>{"open /dev/parport0"});

    FakePortCalls refusesClaim;
    refusesClaim.ioctlErrors[PPCLAIM] = EBUSY;
    const PortOpening refused = PpdevPort::open("/dev/parport0", 888, refusesClaim);
    EXPECT_EQ(refused.port, nullptr);
    EXPECT_TRUE(refused.problem.contains("held by another driver"));
    EXPECT_EQ(refusesClaim.calls,
              (std::vector<std::string>{"open /dev/parport0", "ioctl 3 PPCLAIM", "close 3"}));
}

// Writes 24 to and reads each address from Address1 - 1 to Address1 + 3.
std::vector<int> TouchFiveAddresses(PortIo& port) {
    std::vector<int> values;
    for (std::uint16_t address = 887; address <= 891; ++address) {
        port.write(address, 24);
        values.push_back(port.read(address));
    }
    return values;
}

// Each register access becomes one ioctl; an address beside the three registers none, reading 0.
TEST(PpdevPort, RoutesEachRegisterToItsRequestAndCountsFailedTransfers) {
    FakePortCalls kernel;
    kernel.readByte = 0x5A;
    PortOpening opening = PpdevPort::open("/dev/parport0", 888, kernel);
    ASSERT_NE(opening.port, nullptr);
    kernel.calls.clear();
    EXPECT_EQ(TouchFiveAddresses(*opening.port), (std::vector<int>{0, 0x5A, 0x5A, 0x5A, 0}));
    EXPECT_EQ(kernel.calls, (std::vector<std::string>{"ioctl 3 PPWDATA 24", "ioctl 3 PPRDATA",
                                                      "ioctl 3 PPRSTATUS", "ioctl 3 PPWCONTROL 24",
                                                      "ioctl 3 PPRCONTROL"}));

    // An unplugged adapter fails every transfer: each failure counts, a failed read gives 0, and
    // the trace (one decimal line per access, as ravemo-cli writes it) shows what was passed on.
    QBuffer trace;
    ASSERT_TRUE(trace.open(QIODevice::WriteOnly));
    TracingPort port(*opening.port, trace);
    port.write(888, 24);
    EXPECT_EQ(port.read(889), 0x5A);
    EXPECT_EQ(port.failedAccesses(), 0U);
    kernel.ioctlErrors[PPWDATA] = ENODEV;
    kernel.ioctlErrors[PPRSTATUS] = ENODEV;
    port.write(888, 24);
    EXPECT_EQ(port.read(889), 0);
    port.write(890, 4);      // the control register still answers
    port.write(65535, 255);  // beside the registers: no transfer, no failure
    EXPECT_EQ(port.failedAccesses(), 2U);
    EXPECT_EQ(trace.data(), "W 888 24\nR 889 90\nW 888 24\nR 889 0\nW 890 4\nW 65535 255\n");
}

// Outside the three registers granted, an access would fault the process.
TEST(DirectIoPort, ReachesExactlyTheThreeRegistersAndGivesThemBack) {
    FakePortCalls kernel;
    kernel.readByte = 0x5A;
    PortOpening opening = DirectIoPort::open(888, kernel);
    ASSERT_NE(opening.port, nullptr);
    EXPECT_EQ(TouchFiveAddresses(*opening.port), (std::vector<int>{0, 0x5A, 0x5A, 0x5A, 0}));
    opening.port.reset();
    EXPECT_EQ(kernel.calls,
              (std::vector<std::string>{"ioperm 888 3 1", "outb 24 888", "inb 888", "outb 24 889",
                                        "inb 889", "outb 24 890", "inb 890", "ioperm 888 3 0"}));
}

}  // namespace
}  // namespace ravemo
