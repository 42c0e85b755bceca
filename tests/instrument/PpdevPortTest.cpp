#include <gtest/gtest.h>

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "instrument/DirectIoPort.h"
#include "instrument/ParportMapping.h"
#include "instrument/PpdevPort.h"

namespace ravemo {
namespace {

// A fake /proc/sys/dev/parport tree and /dev directory in a temporary folder.
class FakeParports : public ::testing::Test {
  protected:
    QString proc() const { return root.filePath("parport"); }
    QString dev() const { return root.filePath("dev"); }
    void addPort(const QString& name, const QByteArray& baseAddr) {
        ASSERT_TRUE(QDir().mkpath(proc() + "/" + name));
        QFile file(proc() + "/" + name + "/base-addr");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(baseAddr);
    }
    QTemporaryDir root;
};

TEST_F(FakeParports, ListsPortsByNumberWithTheirBaseAddress) {
    addPort("parport10", "48896\t48900\n");
    addPort("parport0", "888\t1912\n");
    addPort("parport2", "garbage\n");
    addPort("parport1", "632\t1656\n");
    ASSERT_TRUE(QDir().mkpath(proc() + "/default"));
    const std::vector<ListedParport> ports = ListParports(proc());
    ASSERT_EQ(ports.size(), 3U);
    EXPECT_EQ(ports[0].name, "parport0");
    EXPECT_EQ(ports[0].baseAddress, 888);
    EXPECT_EQ(ports[1].name, "parport1");
    EXPECT_EQ(ports[1].baseAddress, 632);
    EXPECT_EQ(ports[2].name, "parport10");
    EXPECT_EQ(ports[2].baseAddress, 0xBF00);
}

TEST_F(FakeParports, MapsAddress1ToTheDevice) {
    addPort("parport0", "888\t1912\n");
    addPort("parport1", "632\t1656\n");
    EXPECT_EQ(FindParportForAddress(proc(), dev(), 888).devicePath, dev() + "/parport0");
    EXPECT_EQ(FindParportForAddress(proc(), dev(), 632).devicePath, dev() + "/parport1");
    const ParportLookup missing = FindParportForAddress(proc(), dev(), 956);
    EXPECT_TRUE(missing.devicePath.isEmpty());
    EXPECT_EQ(missing.problem,
              "no parallel port at address 956 (0x3bc); the system has parport0 at 888 (0x378), "
              "parport1 at 632 (0x278): set Address1 to one of these");
}

TEST_F(FakeParports, NoListedPortTellsHowToLoadTheDriver) {
    const QString expected =
        "no parallel port at address 888 (0x378): the ppdev module lists none; load it with "
        "'sudo modprobe ppdev' or check Address1";
    EXPECT_EQ(FindParportForAddress(proc(), dev(), 888).problem, expected);  // no directory
    ASSERT_TRUE(QDir().mkpath(proc()));
    EXPECT_EQ(FindParportForAddress(proc(), dev(), 888).problem, expected);  // empty directory
}

TEST_F(FakeParports, OpeningFailuresAreActionable) {
    addPort("parport0", "888\t1912\n");
    const PortOpening noDevice = PpdevPort::openAtAddress(888, proc(), dev());
    EXPECT_EQ(noDevice.port, nullptr);
    EXPECT_TRUE(noDevice.problem.contains("sudo modprobe ppdev")) << noDevice.problem.toStdString();

    // A file that is not a ppdev device refuses the claim.
    QFile plain(root.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const PortOpening notPpdev = PpdevPort::open(root.filePath("plain"), 888);
    EXPECT_EQ(notPpdev.port, nullptr);
    EXPECT_TRUE(notPpdev.problem.contains("is not a parallel port device"))
        << notPpdev.problem.toStdString();
}

TEST(PpdevProblemText, PermissionAndBusy) {
    using Step = PpdevPort::Step;
    EXPECT_EQ(PpdevPort::problemText(EACCES, Step::Open, "/dev/parport0"),
              "no permission to use /dev/parport0: add your user to the lp group: sudo adduser "
              "$USER lp, then log in again");
    const QString busy = "/dev/parport0: the port is held by another driver (lp?): 'sudo rmmod lp'";
    EXPECT_EQ(PpdevPort::problemText(EBUSY, Step::Open, "/dev/parport0"), busy);
    EXPECT_EQ(PpdevPort::problemText(ENXIO, Step::Claim, "/dev/parport0"), busy);
    EXPECT_TRUE(
        PpdevPort::problemText(ENXIO, Step::Open, "/dev/parport0").contains("modprobe ppdev"));
    EXPECT_TRUE(PpdevPort::problemText(EIO, Step::Claim, "/dev/parport0")
                    .startsWith("cannot claim /dev/parport0: "));
}

TEST(DirectIoPort, FailuresAreActionable) {
    EXPECT_TRUE(DirectIoPort::problemText(EPERM, 888).contains("run as root"));
    // ioperm refuses a range past 0xFFFF (and on other machines direct I/O is refused anyway).
    const PortOpening opening = DirectIoPort::open(0xFFFF);
    EXPECT_EQ(opening.port, nullptr);
    EXPECT_TRUE(opening.problem.contains("65535 (0xffff)")) << opening.problem.toStdString();
}

}  // namespace
}  // namespace ravemo
