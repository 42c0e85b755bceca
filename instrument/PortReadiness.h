#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

namespace ravemo {

// The parts of the system a real parallel port depends on, and the user who would open it.
// Live() reads the running system; tests point the folders at a fake tree and make up the user.
struct PortSystem {
    QString procDir = QStringLiteral("/proc");
    QString sysDir = QStringLiteral("/sys");
    QString devDir = QStringLiteral("/dev");
    std::uint32_t userId = 0;
    std::vector<std::uint32_t> sessionGroupIds;  // the groups this session runs with
    std::vector<std::uint32_t> listedGroupIds;   // the user's groups in the group database now
    std::function<QString(std::uint32_t groupId)> groupName;
    std::function<std::optional<std::uint32_t>(const QString& name)> groupId;

    static PortSystem Live();
};

// One thing a real port needs: whether it holds, what was found, and the commands that put it
// right (empty when it holds).
struct ReadinessCheck {
    QString subject;
    bool passed = false;
    QString finding;
    QStringList commands;
};

// What the settings ask of the port: Address1 and the Port key; the settings file the user
// would edit, and the file to copy there first when it does not exist yet (the sample).
struct PortSettingsView {
    std::int16_t address1 = 0;
    QString portChoice;
    QString settingsPath;
    QString copyFrom;
};

// Checks, in this order: the ppdev module, the /dev/parport devices, the lp printer driver,
// the settings' choice of port, the user's group and the device's read and write permission.
std::vector<ReadinessCheck> CheckPortReadiness(const PortSystem& system,
                                               const PortSettingsView& settings);

}  // namespace ravemo
