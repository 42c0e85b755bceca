#include "cli/SweepFileInput.h"

#include "common/BoundedFileRead.h"

namespace ravemo {

std::optional<VecFileContents> ReadSweepFile(const QString& path, CliContext& context) {
    const BoundedFileRead read = ReadBoundedFile(path, kLargestVecFileBytes, kVecFileKind);
    if (!read.bytes) {
        Fail(context, kExitBadInput, read.error);
        return std::nullopt;
    }
    const qint64 size = read.bytes->size();
    const std::optional<std::int32_t> champ = ChampOfVecFileSize(size);
    if (!champ) {
        Fail(context, kExitBadInput,
             QStringLiteral("%1 is not a sweep file: its %2 bytes fit no point count (a sweep "
                            "file holds 16 bytes per point and 8 more, 2 to %3 points)")
                 .arg(path)
                 .arg(size)
                 .arg(static_cast<qint64>(kChampMaximum) + 1));
        return std::nullopt;
    }
    VecDecodeResult decoded = DecodeVecFile(*read.bytes, *champ);
    if (!decoded.contents) {
        Fail(context, kExitBadInput, QStringLiteral("%1: %2").arg(path, decoded.error));
        return std::nullopt;
    }
    return std::move(decoded.contents);
}

}  // namespace ravemo
