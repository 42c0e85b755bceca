#include "files/report/ReportFile.h"

#include <cmath>

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "common/ProgramVersion.h"
#include "files/SafeFileIo.h"
#include "files/report/ReportHtml.h"
#include "files/report/ReportPage.h"
#include "files/report/ReportPictures.h"

namespace ravemo {
namespace {

constexpr double kMarginMm = 14.0;
constexpr double kMmPerInch = 25.4;
constexpr int kPdfDpi = 600;
const QPageSize kPage(QPageSize::A4);

QByteArray PngOfReport(const AntennaReport& report) {
    const QSizeF pageMm = kPage.size(QPageSize::Millimeter);
    const double dpi = kReportPngWidthPx * kMmPerInch / pageMm.width();
    const QSize size(
        kReportPngWidthPx,
        static_cast<int>(std::lround(kReportPngWidthPx * pageMm.height() / pageMm.width())));
    const PlotStyle style;
    QImage image = BlankPicture(size, dpi, style);
    const double margin = kMarginMm * dpi / kMmPerInch;
    QPainter painter;
    if (!painter.begin(&image)) return {};
    PaintReportPage(painter,
                    QRectF(QPointF(0, 0), QSizeF(size)).adjusted(margin, margin, -margin, -margin),
                    report, style);
    if (!painter.end()) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return bytes;
}

QByteArray PdfOfReport(const AntennaReport& report) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfDpi);
        writer.setPageLayout(QPageLayout(kPage, QPageLayout::Portrait,
                                         QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                         QPageLayout::Millimeter));
        writer.setTitle(report.title);
        writer.setCreator(QStringLiteral("Ravemo %1").arg(QString::fromLatin1(kProgramVersion)));
        QPainter painter;
        if (!painter.begin(&writer)) return {};
        // The painter's origin is the top left of the printable area.
        PaintReportPage(painter, QRectF(0.0, 0.0, writer.width(), writer.height()), report,
                        PlotStyle{});
        // The page is written out when the painter ends: a failure there is a failed report.
        if (!painter.end()) return {};
    }
    return bytes;
}

}  // namespace

std::optional<ReportFormat> ReportFormatOfPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) return ReportFormat::Png;
    if (suffix == QLatin1String("pdf")) return ReportFormat::Pdf;
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return ReportFormat::Html;
    return std::nullopt;
}

QString ReportExtension(ReportFormat format) {
    switch (format) {
        case ReportFormat::Png:
            return QStringLiteral(".png");
        case ReportFormat::Pdf:
            return QStringLiteral(".pdf");
        case ReportFormat::Html:
            break;
    }
    return QStringLiteral(".html");
}

QByteArray EncodeReport(const AntennaReport& report, ReportFormat format) {
    switch (format) {
        case ReportFormat::Png:
            return PngOfReport(report);
        case ReportFormat::Pdf:
            return PdfOfReport(report);
        case ReportFormat::Html:
            break;
    }
    return HtmlOfReport(report);
}

std::optional<QString> SaveReport(const QString& path, const AntennaReport& report) {
    const std::optional<ReportFormat> format = ReportFormatOfPath(path);
    if (!format) {
        return QStringLiteral("%1: a report is a .png, .pdf or .html file").arg(path);
    }
    const QByteArray bytes = EncodeReport(report, *format);
    if (bytes.isEmpty()) return QStringLiteral("the report could not be encoded");
    return WriteFileAtomically(path, bytes);
}

}  // namespace ravemo
