#include "instrument/TouchstoneModel.h"

#include <algorithm>

#include <QFileInfo>

#include "common/BoundedFileRead.h"
#include "instrument/TouchstoneParser.h"

namespace ravemo {
namespace {
// A sound bound for a one-port file: over a million points of text.
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;
}  // namespace

TouchstoneModel::Parsed TouchstoneModel::fromText(const QString& text, const QString& name) {
    TouchstoneParse parse = ParseTouchstone(text);
    if (!parse.error.isEmpty()) return {nullptr, parse.error};
    return {std::unique_ptr<TouchstoneModel>(new TouchstoneModel(
                std::move(parse.points), parse.referenceOhms, name, parse.signsEstimated)),
            {}};
}

TouchstoneModel::Parsed TouchstoneModel::fromFile(const QString& path) {
    const BoundedFileRead read =
        ReadBoundedFile(path, kMaxFileBytes, QStringLiteral("Touchstone file"));
    if (!read.bytes) return {nullptr, read.error};
    Parsed parsed = fromText(QString::fromUtf8(*read.bytes), QFileInfo(path).fileName());
    if (!parsed.error.isEmpty()) {
        parsed.error = QStringLiteral("Touchstone file %1, %2").arg(path, parsed.error);
    }
    return parsed;
}

std::complex<double> TouchstoneModel::reflection(double hz) const {
    if (!(hz > points_.front().hz)) return points_.front().gamma;
    if (!(hz < points_.back().hz)) return points_.back().gamma;
    const auto above = std::upper_bound(points_.begin(), points_.end(), hz,
                                        [](double f, const Point& p) { return f < p.hz; });
    const auto below = above - 1;
    const double t = (hz - below->hz) / (above->hz - below->hz);
    return below->gamma + (above->gamma - below->gamma) * t;
}

std::complex<double> TouchstoneModel::impedance(double hz) const {
    return ImpedanceOf(reflection(hz), referenceOhms_);
}

QString TouchstoneModel::description() const {
    return QStringLiteral("Touchstone file %1, %2 points from %3 to %4 MHz")
        .arg(name_)
        .arg(points_.size())
        .arg(QString::number(points_.front().hz / 1e6, 'g', 6),
             QString::number(points_.back().hz / 1e6, 'g', 6));
}

}  // namespace ravemo
