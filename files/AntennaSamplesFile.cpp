#include "files/AntennaSamplesFile.h"

#include <QDir>
#include <QFileInfo>

#include "analysis/ReflectionSamples.h"
#include "analysis/SweepSamples.h"
#include "common/BoundedFileRead.h"
#include "files/VecFile.h"
#include "instrument/TouchstoneModel.h"

namespace ravemo {
namespace {

QString Named(const QString& path) { return QDir::toNativeSeparators(path); }

AntennaSamplesRead Failed(QString error) { return {std::nullopt, std::move(error)}; }

AntennaSamplesRead ReadSweepFile(const QString& path, std::int32_t step) {
    const BoundedFileRead read = ReadBoundedFile(path, kLargestVecFileBytes, kVecFileKind);
    if (!read.bytes) return Failed(read.error);
    const qint64 size = read.bytes->size();
    const std::optional<std::int32_t> champ = ChampOfVecFileSize(size);
    if (!champ) {
        return Failed(QStringLiteral("%1 is not a sweep file: its %2 bytes fit no point count (a "
                                     "sweep file holds 16 bytes per point and 8 more, 2 to %3 "
                                     "points).")
                          .arg(Named(path))
                          .arg(size)
                          .arg(static_cast<qint64>(kChampMaximum) + 1));
    }
    const VecDecodeResult decoded = DecodeVecFile(*read.bytes, *champ);
    if (!decoded.contents) return Failed(QStringLiteral("%1: %2").arg(Named(path), decoded.error));
    return {SamplesFromSweep(decoded.contents->data, step), {}};
}

AntennaSamplesRead ReadTouchstoneFile(const QString& path) {
    const TouchstoneModel::Parsed parsed = TouchstoneModel::fromFile(path);
    if (!parsed.model) return Failed(parsed.error);
    return {SamplesFromReflections(parsed.model->points(), parsed.model->referenceOhms(),
                                   parsed.model->signsEstimated()),
            {}};
}

}  // namespace

AntennaSamplesRead ReadAntennaSamplesFile(const QString& path, std::int32_t step) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    AntennaSamplesRead read;
    if (suffix == QLatin1String("vec")) {
        read = ReadSweepFile(path, step);
    } else if (suffix == QLatin1String("s1p")) {
        read = ReadTouchstoneFile(path);
    } else {
        return Failed(QStringLiteral("%1 is neither a sweep file (.vec) nor a one-port "
                                     "Touchstone file (.s1p).")
                          .arg(Named(path)));
    }
    if (read.set && read.set->samples.size() < kFewestAnalysedSamples) {
        return Failed(QStringLiteral("%1 holds %2 measured point(s) with a finite impedance; at "
                                     "least %3 are needed.")
                          .arg(Named(path))
                          .arg(read.set->samples.size())
                          .arg(kFewestAnalysedSamples));
    }
    return read;
}

}  // namespace ravemo
