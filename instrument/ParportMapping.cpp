#include "instrument/ParportMapping.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include "instrument/PortOpening.h"

namespace ravemo {
namespace {
constexpr qint64 kBaseAddrFileMaxBytes = 256;
constexpr int kMaxIoAddress = 0xFFFF;

// The first number of a base-addr file, when it is a 16-bit I/O address.
bool readBaseAddress(const QString& path, std::uint16_t& address) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QString text = QString::fromLatin1(file.read(kBaseAddrFileMaxBytes));
    const QStringList fields = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (fields.isEmpty()) return false;
    bool ok = false;
    const qulonglong value = fields.front().toULongLong(&ok, 0);
    if (!ok || value > kMaxIoAddress) return false;
    address = static_cast<std::uint16_t>(value);
    return true;
}
}  // namespace

std::vector<ListedParport> ListParports(const QString& procParportDir) {
    static const QRegularExpression portName(QStringLiteral("^parport(\\d+)$"));
    std::vector<std::pair<int, ListedParport>> numbered;
    const QDir dir(procParportDir);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch match = portName.match(name);
        if (!match.hasMatch()) continue;
        std::uint16_t base = 0;
        if (!readBaseAddress(dir.filePath(name + QStringLiteral("/base-addr")), base)) continue;
        numbered.push_back({match.captured(1).toInt(), {name, base}});
    }
    std::sort(numbered.begin(), numbered.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<ListedParport> ports;
    ports.reserve(numbered.size());
    for (auto& entry : numbered) ports.push_back(std::move(entry.second));
    return ports;
}

ParportLookup FindParportForAddress(const QString& procParportDir, const QString& deviceDir,
                                    std::uint16_t address) {
    const std::vector<ListedParport> ports = ListParports(procParportDir);
    for (const ListedParport& port : ports) {
        if (port.baseAddress == address) {
            return {QDir(deviceDir).filePath(port.name), {}};
        }
    }
    if (ports.empty()) {
        return {{},
                QStringLiteral("no parallel port at address %1: the ppdev module lists none; "
                               "load it with 'sudo modprobe ppdev' or check Address1")
                    .arg(AddressText(address))};
    }
    QStringList found;
    for (const ListedParport& port : ports) {
        found << QStringLiteral("%1 at %2").arg(port.name, AddressText(port.baseAddress));
    }
    return {{},
            QStringLiteral("no parallel port at address %1; the system has %2: set Address1 to "
                           "one of these")
                .arg(AddressText(address), found.join(QStringLiteral(", ")))};
}

}  // namespace ravemo
