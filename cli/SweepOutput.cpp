#include "cli/SweepOutput.h"

#include <QFileInfo>

#include "files/CsvExport.h"
#include "files/TableExport.h"
#include "files/TouchstoneExport.h"

namespace ravemo {

std::optional<OutputFormat> OutputFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("vec")) return OutputFormat::SweepFile;
    if (suffix == QStringLiteral("csv")) return OutputFormat::TextExport;
    if (suffix == QStringLiteral("s1p")) return OutputFormat::Touchstone;
    if (suffix == QStringLiteral("tsv")) return OutputFormat::Table;
    return std::nullopt;
}

QString UnknownOutputMessage(const QString& path) {
    return QStringLiteral(
               "%1: the output's extension must be .vec (sweep file), .csv (text "
               "export), .s1p (Touchstone) or .tsv (table)")
        .arg(path);
}

QByteArray EncodeOutput(OutputFormat format, const SweepData& data, VecLimits limits,
                        std::int32_t step, const QLocale& locale) {
    switch (format) {
        case OutputFormat::SweepFile:
            return EncodeVecFile(data, limits);
        case OutputFormat::TextExport:
            return EncodeCsvExport(data, limits, locale);
        case OutputFormat::Touchstone:
            return EncodeTouchstone(data, step);
        case OutputFormat::Table:
            return EncodeSweepTable(data, step);
    }
    return {};
}

}  // namespace ravemo
