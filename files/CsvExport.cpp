#include "files/CsvExport.h"

#include <QString>

#include "common/NumberText.h"

namespace ravemo {
namespace {

// "SAMPLE N°;RETURN LOSS;PHASE;DDS WORD;" with the degree sign as the Latin-1 byte 0xB0.
constexpr char kCsvHeader[] = "SAMPLE N\xB0;RETURN LOSS;PHASE;DDS WORD;";
constexpr char kCsvLineEnd[] = "\r\n";
constexpr char kCsvFieldSeparator = ';';
// The limits line puts its second number at the start of a print zone: zones of 14 columns
// starting at columns 1, 15, 29, ...
constexpr qsizetype kPrintZoneColumns = 14;

// Latin-1 bytes of a text; a character outside Latin-1 becomes '?'.
QByteArray latin1(const QString& text) { return text.toLatin1(); }

}  // namespace

QByteArray EncodeCsvExport(const SweepData& data, VecLimits limits, const QLocale& locale) {
    QByteArray bytes;
    const std::int32_t champ = data.champ();
    bytes.reserve(64 * (static_cast<qsizetype>(champ) + 2));
    bytes.append(kCsvHeader).append(kCsvLineEnd);
    // Every index from 1 to Champ; index 0 is never exported.
    for (std::int32_t i = 1; i <= champ; ++i) {
        const auto at = static_cast<std::size_t>(i);
        bytes.append(latin1(NumberText::exportForm(static_cast<double>(i), locale)))
            .append(kCsvFieldSeparator);
        bytes.append(latin1(NumberText::exportForm(data.ReturnLossSamples[at], locale)))
            .append(kCsvFieldSeparator);
        bytes.append(latin1(NumberText::exportForm(data.PhaseSamples[at], locale)))
            .append(kCsvFieldSeparator);
        bytes.append(latin1(NumberText::exportForm(data.DdsWords[at], locale)))
            .append(kCsvFieldSeparator);
        bytes.append(kCsvLineEnd);
    }
    QByteArray limitsLine = latin1(NumberText::exportForm(limits.minMHz, locale));
    // Pad to the start of the next zone: a first number that fills its zone exactly is
    // followed directly by the second.
    const qsizetype used = limitsLine.size();
    const qsizetype nextZoneStart =
        (used + kPrintZoneColumns - 1) / kPrintZoneColumns * kPrintZoneColumns;
    limitsLine.append(QByteArray(nextZoneStart - used, ' '));
    limitsLine.append(latin1(NumberText::exportForm(limits.maxMHz, locale)));
    bytes.append(limitsLine).append(kCsvLineEnd);
    return bytes;
}

}  // namespace ravemo
