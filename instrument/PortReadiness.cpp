#include "instrument/PortReadiness.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "instrument/LoadedModules.h"
#include "instrument/ParportMapping.h"
#include "instrument/PortOpening.h"

namespace ravemo {
namespace {

// The largest Address1 the settings accept (its status register is at Address1 + 1).
constexpr std::uint16_t kHighestAddress1 = 32766;
const QString kPrinterGroup = QStringLiteral("lp");
const QString kRelogin = QStringLiteral("then log out and in again (or restart) so that it counts");

bool Contains(const std::vector<std::uint32_t>& ids, std::uint32_t id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// The /dev/parportN devices, in order of their number.
QStringList ParportDevices(const QString& devDir) {
    static const QRegularExpression deviceName(QStringLiteral("^parport(\\d+)$"));
    QStringList names =
        QDir(devDir).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    names.removeIf([](const QString& name) { return !deviceName.match(name).hasMatch(); });
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.mid(7).toInt() < b.mid(7).toInt();
    });
    QStringList paths;
    for (const QString& name : names) paths << QDir(devDir).filePath(name);
    return paths;
}

ReadinessCheck Passed(const QString& subject, const QString& finding) {
    return {subject, true, finding, {}};
}

ReadinessCheck Failed(const QString& subject, const QString& finding, const QStringList& fix) {
    return {subject, false, finding, fix};
}

ReadinessCheck CheckPpdev(const PortSystem& system) {
    const QString subject = QStringLiteral("ppdev module");
    if (KernelHasModule(system.procDir, system.sysDir, QStringLiteral("ppdev"))) {
        return Passed(subject, QStringLiteral("loaded"));
    }
    return Failed(subject, QStringLiteral("not loaded: no /dev/parport device can be opened"),
                  {QStringLiteral("sudo modprobe ppdev"),
                   QStringLiteral("echo ppdev | sudo tee /etc/modules-load.d/ravemo-ppdev.conf"
                                  "   (loads it at every start)")});
}

ReadinessCheck CheckDevices(const PortSystem& system, const QStringList& devices) {
    const QString subject = QStringLiteral("parallel port devices");
    if (!devices.isEmpty()) return Passed(subject, devices.join(QStringLiteral(", ")));
    return Failed(subject,
                  QStringLiteral("no %1/parport* device: the kernel found no parallel port, or "
                                 "ppdev is not loaded")
                      .arg(system.devDir),
                  {QStringLiteral("sudo modprobe parport_pc ppdev"),
                   QStringLiteral("if that makes none: enable the parallel port in the "
                                  "computer's firmware (BIOS) set-up")});
}

ReadinessCheck CheckPrinterDriver(const PortSystem& system) {
    const QString subject = QStringLiteral("lp printer driver");
    if (!ModuleIsLoaded(system.procDir, QStringLiteral("lp"))) {
        return Passed(subject, QStringLiteral("not loaded"));
    }
    return Failed(subject, QStringLiteral("loaded: it claims the port and keeps Ravemo out"),
                  {QStringLiteral("sudo rmmod lp"),
                   QStringLiteral("echo 'blacklist lp' | sudo tee "
                                  "/etc/modprobe.d/ravemo-no-lp.conf   (and remove a line 'lp' "
                                  "from /etc/modules, if there is one)")});
}

// The commands that change the settings: a copy of the sample first when the user has none.
QStringList EditSettings(const PortSettingsView& settings, const QString& change) {
    QStringList commands;
    if (!settings.copyFrom.isEmpty()) {
        commands << QStringLiteral("mkdir -p '%1' && cp '%2' '%3'")
                        .arg(QFileInfo(settings.settingsPath).path(), settings.copyFrom,
                             settings.settingsPath);
    }
    commands << QStringLiteral("%1 in %2").arg(change, settings.settingsPath);
    return commands;
}

// The settings choose a real port, and Address1 is the base address of one the kernel lists.
// Gives the device the settings lead to, when there is one.
ReadinessCheck CheckSettings(const PortSystem& system, const PortSettingsView& settings,
                             QString& device) {
    const QString subject = QStringLiteral("port in the settings");
    const QString choice = settings.portChoice.trimmed();
    const QString backEnd = choice.section(QLatin1Char(':'), 0, 0).toLower();
    if (backEnd == QStringLiteral("sim") || backEnd.startsWith(QStringLiteral("sim;"))) {
        return Failed(subject, QStringLiteral("Port=%1 runs the simulated instrument").arg(choice),
                      EditSettings(settings, QStringLiteral("empty the Port key")));
    }
    if (backEnd == QStringLiteral("ppdev") && choice.contains(QLatin1Char(':'))) {
        device = choice.section(QLatin1Char(':'), 1);
        return Passed(subject, QStringLiteral("Port=%1 names the device").arg(choice));
    }
    const std::vector<ListedParport> ports =
        ListParports(QDir(system.procDir).filePath(QStringLiteral("sys/dev/parport")));
    QStringList listed;
    for (const ListedParport& port : ports) {
        listed << QStringLiteral("%1 at %2").arg(port.name, AddressText(port.baseAddress));
    }
    const auto address = static_cast<std::uint16_t>(settings.address1);
    const auto match = std::find_if(ports.begin(), ports.end(), [&](const ListedParport& port) {
        return port.baseAddress == address;
    });
    if (settings.address1 != 0 && match != ports.end()) {
        device = QDir(system.devDir).filePath(match->name);
        return Passed(subject,
                      QStringLiteral("Address1=%1 is %2").arg(settings.address1).arg(match->name));
    }
    const QString found =
        settings.address1 == 0
            ? QStringLiteral("Address1=0 runs the simulated instrument")
            : QStringLiteral("Address1=%1 is no port the kernel lists").arg(settings.address1);
    if (ports.empty()) {
        return Failed(subject, found + QStringLiteral(", and the kernel lists no parallel port"),
                      {QStringLiteral("sudo modprobe parport_pc ppdev, then run this again")});
    }
    // Address1 holds at most 32766: a port above (a PCI card) is named by its device instead.
    const ListedParport& first = ports.front();
    const QString change =
        first.baseAddress <= kHighestAddress1
            ? QStringLiteral("set Address1=%1").arg(first.baseAddress)
            : QStringLiteral("set Port=ppdev:%1").arg(QDir(system.devDir).filePath(first.name));
    return Failed(subject,
                  found + QStringLiteral(" (it has %1)").arg(listed.join(QStringLiteral(", "))),
                  EditSettings(settings, change));
}

// The group the device belongs to, or lp when there is no device to look at.
std::optional<std::uint32_t> PortGroup(const PortSystem& system, const QString& device) {
    const QFileInfo info(device);
    if (!device.isEmpty() && info.exists()) return info.groupId();
    return system.groupId ? system.groupId(kPrinterGroup) : std::nullopt;
}

ReadinessCheck CheckGroup(const PortSystem& system, const QString& device) {
    const QString subject = QStringLiteral("user's groups");
    if (system.userId == 0) return Passed(subject, QStringLiteral("root needs none"));
    const std::optional<std::uint32_t> group = PortGroup(system, device);
    if (!group) {
        return Failed(subject, QStringLiteral("the system has no group %1").arg(kPrinterGroup),
                      {QStringLiteral("sudo addgroup --system %1").arg(kPrinterGroup)});
    }
    const QString name = system.groupName ? system.groupName(*group) : QString::number(*group);
    const QString owner =
        device.isEmpty() ? QString() : QStringLiteral(" (the group of %1)").arg(device);
    if (Contains(system.sessionGroupIds, *group)) {
        return Passed(subject, QStringLiteral("member of %1%2").arg(name, owner));
    }
    if (Contains(system.listedGroupIds, *group)) {
        return Failed(
            subject,
            QStringLiteral("added to %1%2, but this session started before").arg(name, owner),
            {QStringLiteral("log out and in again (or restart)")});
    }
    return Failed(subject, QStringLiteral("not a member of %1%2").arg(name, owner),
                  {QStringLiteral("sudo usermod -aG %1 $USER").arg(name), kRelogin});
}

ReadinessCheck CheckAccess(const PortSystem& system, const QString& device) {
    const QString subject = QStringLiteral("device permissions");
    if (device.isEmpty()) {
        return Failed(subject, QStringLiteral("no device to open: see the checks above"), {});
    }
    const QFileInfo info(device);
    if (!info.exists()) {
        return Failed(subject, QStringLiteral("%1 does not exist").arg(device),
                      {QStringLiteral("sudo modprobe parport_pc ppdev")});
    }
    if (system.userId == 0) return Passed(subject, QStringLiteral("root may open %1").arg(device));
    // The permission bits that apply to this user: the owner's, else the group's, else the rest.
    using P = QFileDevice;
    const QFileDevice::Permissions bits = info.permissions();
    bool readable = false;
    bool writable = false;
    if (info.ownerId() == system.userId) {
        readable = bits.testFlag(P::ReadOwner);
        writable = bits.testFlag(P::WriteOwner);
    } else if (Contains(system.sessionGroupIds, info.groupId())) {
        readable = bits.testFlag(P::ReadGroup);
        writable = bits.testFlag(P::WriteGroup);
    } else {
        readable = bits.testFlag(P::ReadOther);
        writable = bits.testFlag(P::WriteOther);
    }
    if (readable && writable) {
        return Passed(subject, QStringLiteral("%1 can be read and written").arg(device));
    }
    if (!Contains(system.sessionGroupIds, info.groupId()) && info.ownerId() != system.userId) {
        const QString group =
            system.groupName ? system.groupName(info.groupId()) : QString::number(info.groupId());
        return Failed(
            subject, QStringLiteral("%1 is open to its owner and group %2 only").arg(device, group),
            {QStringLiteral("sudo usermod -aG %1 $USER").arg(group), kRelogin});
    }
    return Failed(subject,
                  QStringLiteral("%1 cannot be %2")
                      .arg(device, readable ? QStringLiteral("written") : QStringLiteral("read")),
                  {QStringLiteral("sudo chmod ug+rw %1").arg(device)});
}

}  // namespace

std::vector<ReadinessCheck> CheckPortReadiness(const PortSystem& system,
                                               const PortSettingsView& settings) {
    const QStringList devices = ParportDevices(system.devDir);
    QString device;
    std::vector<ReadinessCheck> checks{CheckPpdev(system), CheckDevices(system, devices),
                                       CheckPrinterDriver(system)};
    checks.push_back(CheckSettings(system, settings, device));
    // Without a device from the settings, the first one the system has is what a fix would use.
    if (device.isEmpty() && !devices.isEmpty()) device = devices.front();
    checks.push_back(CheckGroup(system, device));
    checks.push_back(CheckAccess(system, device));
    return checks;
}

}  // namespace ravemo
