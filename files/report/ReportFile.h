#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

#include "files/report/AntennaReport.h"

namespace ravemo {

enum class ReportFormat { Png, Pdf, Html };

// The format a file name asks for by its extension (any case): .png, .pdf, .html or .htm.
std::optional<ReportFormat> ReportFormatOfPath(const QString& path);

// The extension, with its dot, a bare file name gets for `format`.
QString ReportExtension(ReportFormat format);

// The page image: kReportPngWidthPx wide and as high as an A4 page of that width, at the
// resolution that makes it so, painted as the PDF page is.
inline constexpr int kReportPngWidthPx = 1600;

// The report as the bytes of a file: one page image (PNG), one A4 portrait page (PDF), or one
// self-contained HTML file (its pictures inside it as data URIs). Empty when the encoding
// failed.
QByteArray EncodeReport(const AntennaReport& report, ReportFormat format);

// Encodes the report in the format of the path's extension and writes it through the safe
// writer: nothing is left behind on failure, and an older file stays as it was. Nothing on
// success, else the reason.
[[nodiscard]] std::optional<QString> SaveReport(const QString& path, const AntennaReport& report);

}  // namespace ravemo
