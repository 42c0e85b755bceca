#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <utility>
#include <vector>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "instrument/LoadedModules.h"
#include "instrument/PortReadiness.h"
#include "support/FileBytes.h"

namespace ravemo {
namespace {

// One system state: a fake /proc, /sys and /dev, the settings, and who the user is.
struct Case {
    const char* name;
    const char* modules;  // /proc/modules
    bool ppdevBuiltIn;    // /sys/module/ppdev without a /proc/modules line
    std::vector<std::pair<const char*, int>> devices;        // /dev entry, permission bits
    std::vector<std::pair<const char*, const char*>> ports;  // listed port, its base-addr text
    int address1;
    const char* port;
    bool inSessionGroup;
    bool inListedGroup;
    bool root;
    // Per check, in order (ppdev, devices, lp driver, settings, groups, permissions): P or F.
    const char* expected;
    const char* someCommand;  // a command one of the failed checks gives (empty: none)
};

constexpr const char* kPpdev = "ppdev 24576 0 - Live 0x0\nparport_pc 40960 0 - Live 0x0\n";
constexpr int kGroupRw = 0660;

// One case a line: the table reads as the states it covers.
// clang-format off
const Case kCases[] = {
    {"ready", kPpdev, false, {{"parport0", kGroupRw}}, {{"parport0", "888\t1912\n"}},
     888, "", true, true, false, "PPPPPP", ""},
    {"nothing set up", "", false, {}, {}, 0, "", false, false, false, "FFPFFF",
     "sudo modprobe ppdev"},
    {"ppdev built into the kernel", "", true, {{"parport0", kGroupRw}},
     {{"parport0", "888 1912"}}, 888, "", true, true, false, "PPPPPP", ""},
    {"a module named like lp is not lp", "lpx 1 0\nparport_lp 1 0\nppdev 1 0", false,
     {{"parport0", kGroupRw}}, {{"parport0", "888"}}, 888, "", true, true, false, "PPPPPP", ""},
    {"printer driver holds the port", "lp 20480 0 - Live 0x0\nppdev 1 0\n", false,
     {{"parport0", kGroupRw}}, {{"parport0", "888"}}, 888, "", true, true, false, "PPFPPP",
     "sudo rmmod lp"},
    {"Address1 names another port", kPpdev, false, {{"parport0", kGroupRw}, {"parport1", kGroupRw}},
     {{"parport1", "0x278"}, {"parport0", "956"}}, 888, "", true, true, false, "PPPFPP",
     "set Address1=956"},
    {"Address1 matches the second port", kPpdev, false,
     {{"parport1", kGroupRw}, {"parport0", kGroupRw}}, {{"parport0", "956"}, {"parport1", "632"}},
     632, "", true, true, false, "PPPPPP", ""},
    {"a PCI card above Address1's range", kPpdev, false, {{"parport1", kGroupRw}},
     {{"parport1", "53264"}}, 888, "", true, true, false, "PPPFPP", "set Port=ppdev:"},
    {"a PCI card as negative Address1", kPpdev, false, {{"parport1", kGroupRw}},
     {{"parport1", "0xd010"}}, -12272, "", true, true, false, "PPPPPP", ""},
    {"simulator chosen in Port", kPpdev, false, {{"parport0", kGroupRw}}, {{"parport0", "888"}},
     888, "sim:short", true, true, false, "PPPFPP", "empty the Port key"},
    {"device named in Port", kPpdev, false, {{"parport0", 0600}, {"parport2", kGroupRw}}, {}, 0,
     "ppdev:DEV/parport2", true, true, false, "PPPPPP", ""},
    {"not in the group", kPpdev, false, {{"parport0", kGroupRw}}, {{"parport0", "888"}}, 888, "",
     false, false, false, "PPPPFF", "sudo usermod -aG"},
    {"added to the group, not logged in again", kPpdev, false, {{"parport0", kGroupRw}},
     {{"parport0", "888"}}, 888, "", false, true, false, "PPPPFF", "log out and in again"},
    {"group may not write", kPpdev, false, {{"parport0", 0640}}, {{"parport0", "888"}}, 888, "",
     true, true, false, "PPPPPF", "sudo chmod ug+rw"},
    {"others may read and write", kPpdev, false, {{"parport0", 0606}}, {{"parport0", "888"}}, 888,
     "", false, false, false, "PPPPFP", ""},
    {"root needs no group", kPpdev, false, {{"parport0", 0600}}, {{"parport0", "888"}}, 888, "",
     false, false, true, "PPPPPP", ""},
};
// clang-format on

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class PortReadiness : public ::testing::TestWithParam<Case> {};

TEST_P(PortReadiness, SaysWhatHoldsAndWhatToType) {
    const Case& c = GetParam();
    const QTemporaryDir root;
    const QDir dir(root.path());
    for (const char* folder : {"proc/sys/dev/parport", "sys/module", "dev"}) dir.mkpath(folder);
    ASSERT_TRUE(test::WriteFileBytes(dir.filePath("proc/modules"), c.modules));
    if (c.ppdevBuiltIn) dir.mkpath("sys/module/ppdev");
    for (const auto& [name, mode] : c.ports) {
        ASSERT_TRUE(test::WriteFileBytes(
            dir.filePath(QStringLiteral("proc/sys/dev/parport/%1/base-addr").arg(name)), mode));
    }
    std::uint32_t deviceGroup = getgid();
    for (const auto& [name, mode] : c.devices) {
        QFile device(dir.filePath(QStringLiteral("dev/%1").arg(name)));
        ASSERT_TRUE(device.open(QIODevice::WriteOnly));
        device.close();
        ASSERT_EQ(
            chmod(QFile::encodeName(device.fileName()).constData(), static_cast<mode_t>(mode)), 0);
        deviceGroup = QFileInfo(device).groupId();
    }

    PortSystem system;
    system.procDir = dir.filePath("proc");
    system.sysDir = dir.filePath("sys");
    system.devDir = dir.filePath("dev");
    // Never the owner of the fake devices (the test may run as root, which owns them then).
    system.userId = c.root ? 0 : getuid() + 1;
    const std::uint32_t otherGroup = deviceGroup + 1;
    system.sessionGroupIds = {c.inSessionGroup ? deviceGroup : otherGroup};
    system.listedGroupIds = {c.inListedGroup ? deviceGroup : otherGroup};
    system.groupName = [](std::uint32_t) { return QStringLiteral("lp"); };
    system.groupId = [deviceGroup](const QString& name) -> std::optional<std::uint32_t> {
        if (name == "lp") return deviceGroup;
        return std::nullopt;
    };
    const PortSettingsView settings{static_cast<std::int16_t>(c.address1),
                                    QString::fromLatin1(c.port).replace("DEV", system.devDir),
                                    "/home/u/.config/ravemo/ravemo.ini",
                                    {}};

    const std::vector<ReadinessCheck> checks = CheckPortReadiness(system, settings);
    QString outcome;
    QStringList commands;
    for (const ReadinessCheck& check : checks) {
        outcome += check.passed ? 'P' : 'F';
        // What holds needs nothing typed.
        EXPECT_TRUE(!check.passed || check.commands.isEmpty()) << check.subject.toStdString();
        commands += check.commands;
    }
    EXPECT_EQ(outcome, QString::fromLatin1(c.expected));
    if (*c.someCommand != '\0') {
        EXPECT_FALSE(commands.filter(QString::fromLatin1(c.someCommand)).isEmpty())
            << commands.join('\n').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PortReadiness, ::testing::ValuesIn(kCases),
                         [](const auto& caseInfo) {
                             QString name = QString::fromLatin1(caseInfo.param.name);
                             name.replace(QRegularExpression("[^A-Za-z0-9]"), "_");
                             return name.toStdString();
                         });

TEST(LoadedModules, TakesTheFirstWordOfEachLine) {
    EXPECT_EQ(LoadedModuleNames("ppdev 24576 0 - Live 0x0\n\n  lp\t20480 0\nparport_pc"),
              (QStringList{"ppdev", "lp", "parport_pc"}));
    EXPECT_TRUE(LoadedModuleNames(" \n\t\n").isEmpty());
}

}  // namespace
}  // namespace ravemo
