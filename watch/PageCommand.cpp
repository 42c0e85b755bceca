#include "watch/PageCommand.h"

#include <cmath>

#include <QJsonDocument>
#include <QJsonObject>

namespace ravemo {
namespace {

constexpr int kMostDipIndex = 99;
constexpr qsizetype kMostBandNameLength = 16;

}  // namespace

std::optional<PageCommand> ParsePageCommand(const QByteArray& text) {
    if (text.size() > kMostPageCommandBytes) return std::nullopt;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
    const QJsonObject object = document.object();
    if (object.size() != 2) return std::nullopt;
    const QString command = object.value(QStringLiteral("command")).toString();
    if (command == QStringLiteral("sweep_dip")) {
        const QJsonValue dip = object.value(QStringLiteral("dip"));
        const double index = dip.toDouble(-1.0);
        if (!dip.isDouble() || index < 0.0 || index > kMostDipIndex || std::floor(index) != index) {
            return std::nullopt;
        }
        return PageCommand{PageCommand::Kind::SweepAroundDip, static_cast<int>(index), {}};
    }
    if (command == QStringLiteral("sweep_band")) {
        const QJsonValue band = object.value(QStringLiteral("band"));
        const QString name = band.toString();
        if (!band.isString() || name.isEmpty() || name.size() > kMostBandNameLength) {
            return std::nullopt;
        }
        return PageCommand{PageCommand::Kind::SweepBand, 0, name};
    }
    return std::nullopt;
}

}  // namespace ravemo
