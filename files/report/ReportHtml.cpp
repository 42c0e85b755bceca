#include "files/report/ReportHtml.h"

#include <optional>

#include <QBuffer>
#include <QPainter>

#include "files/report/ReportPictures.h"
#include "plot/HistoryStripPainter.h"

namespace ravemo {
namespace {

// The pictures' pixels and resolution: sharp on a high-density screen at their shown size.
constexpr int kChartWidthPx = 1500;
constexpr int kChartHeightPx = 900;
constexpr int kSmithSidePx = 900;
constexpr double kPictureDpi = 192.0;
constexpr int kHistoryHeightPx = 260;

const char kStyle[] =
    "body{font-family:sans-serif;color:#202020;max-width:62em;margin:1.5em auto;padding:0 1em}"
    "h1{color:#1f3a5f;font-size:1.6em;margin-bottom:.3em;overflow-wrap:anywhere}"
    "h2{color:#1f3a5f;font-size:1.15em;margin:1.2em 0 .4em}"
    "table{border-collapse:collapse;margin:.3em 0}"
    "th,td{padding:.2em .8em .2em 0;text-align:left;vertical-align:top}"
    "table.data th{border-bottom:1px solid #b0b0b0}"
    "table.data tr:nth-child(even) td{background:#f3f6fa}"
    "table.facts th{color:#606060;font-weight:normal}"
    ".pictures{display:flex;flex-wrap:wrap;gap:1em;align-items:center}"
    ".pictures img{max-width:100%;height:auto}"
    ".chart{flex:5 1 30em}.smith{flex:3 1 18em}.history img{max-width:100%;height:auto}";

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

std::optional<QString> PngDataUri(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // A picture that cannot be encoded leaves no address: the page is then not written at all.
    if (!buffer.isOpen() || !image.save(&buffer, "PNG") || bytes.isEmpty()) return {};
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(bytes.toBase64());
}

// None when the picture could not be encoded.
std::optional<QString> Picture(const QImage& image, const QString& alt, const char* cssClass) {
    const std::optional<QString> uri = PngDataUri(image);
    if (!uri) return std::nullopt;
    return QStringLiteral("<div class=\"%1\"><img src=\"%2\" alt=\"%3\" width=\"%4\"></div>\n")
        .arg(QLatin1String(cssClass), *uri, Escaped(alt))
        .arg(image.width() / 2);
}

// The history strip as wide as the pictures above it; nothing without a history.
std::optional<QString> HistoryPicture(const AntennaReport& report) {
    if (report.history.empty()) return QString();
    const PlotStyle style;
    QImage strip =
        BlankPicture(QSize(kChartWidthPx + kSmithSidePx, kHistoryHeightPx), kPictureDpi, style);
    {
        QPainter painter(&strip);
        PaintHistoryStrip(painter, QRectF(strip.rect()), report.history, report.locale, style);
    }
    return Picture(strip, QStringLiteral("Tuning history: tuned frequency and lowest SWR"),
                   "history");
}

std::optional<QString> Pictures(const TuningScene& scene) {
    const PlotStyle style;
    QImage chart = BlankPicture(QSize(kChartWidthPx, kChartHeightPx), kPictureDpi, style);
    QImage smith = BlankPicture(QSize(kSmithSidePx, kSmithSidePx), kPictureDpi, style);
    {
        QPainter painter(&chart);
        PaintSceneChart(painter, QRectF(chart.rect()), scene, style);
    }
    {
        QPainter painter(&smith);
        PaintSceneSmith(painter, QRectF(smith.rect()), scene, style);
    }
    const std::optional<QString> chartPicture =
        Picture(chart, QStringLiteral("Tuning chart: SWR over frequency"), "chart");
    const std::optional<QString> smithPicture =
        Picture(smith, QStringLiteral("Smith chart of the impedance"), "smith");
    if (!chartPicture || !smithPicture) return std::nullopt;
    return QStringLiteral("<div class=\"pictures\">\n") + *chartPicture + *smithPicture +
           QStringLiteral("</div>\n");
}

QString Table(const TextTable& table) {
    QString html = QStringLiteral("<table class=\"data\">\n<tr>");
    for (const QString& head : table.heads)
        html += QStringLiteral("<th>%1</th>").arg(Escaped(head));
    html += QStringLiteral("</tr>\n");
    for (const QStringList& cells : table.rows) {
        html += QStringLiteral("<tr>");
        for (const QString& cell : cells) html += QStringLiteral("<td>%1</td>").arg(Escaped(cell));
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

QString Paragraph(const QString& text) {
    return text.isEmpty() ? QString() : QStringLiteral("<p>%1</p>\n").arg(Escaped(text));
}

}  // namespace

QByteArray HtmlOfReport(const AntennaReport& report) {
    QString html =
        QStringLiteral(
            "<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<title>%2</title>\n<style>%3</style>\n</head>\n<body>\n<h1>%2</h1>\n")
            .arg(report.locale.bcp47Name(), Escaped(report.title), QString::fromLatin1(kStyle));
    html += QStringLiteral("<table class=\"facts\">\n");
    for (const ReportFact& f : report.facts) {
        html += QStringLiteral("<tr><th>%1</th><td>%2</td></tr>\n")
                    .arg(Escaped(f.label), Escaped(f.value));
    }
    // A picture that could not be encoded fails the whole page (empty bytes), never a page
    // without it.
    const std::optional<QString> pictures = Pictures(report.scene);
    const std::optional<QString> history = HistoryPicture(report);
    if (!pictures || !history) return {};
    html += QStringLiteral("</table>\n") + *pictures + *history;
    html += QStringLiteral("<h2>SWR dips</h2>\n");
    html +=
        report.dips.rows.empty() ? Paragraph(QString::fromLatin1(kNoDipsText)) : Table(report.dips);
    html += Paragraph(report.resonances) + Paragraph(report.trim) + Paragraph(report.cable);
    html += QStringLiteral("<h2>%1</h2>\n").arg(Escaped(report.bandsHead));
    html += report.bands.rows.empty() ? Paragraph(QString::fromLatin1(kNoBandsText))
                                      : Table(report.bands);
    html += QStringLiteral("</body>\n</html>\n");
    return html.toUtf8();
}

}  // namespace ravemo
