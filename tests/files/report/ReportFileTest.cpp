#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "analysis/ReflectionSamples.h"
#include "files/report/AntennaReport.h"
#include "files/report/ReportFile.h"
#include "support/GuiApplication.h"

namespace ravemo {
namespace {

constexpr double kPi = 3.14159265358979;

// 1201 points of a series RLC from 6.5 to 7.7 MHz with its measured sign, as from a Touchstone
// file.
AntennaSamples MeasuredRlc() {
    std::vector<TouchstoneModel::Point> points;
    for (int i = 0; i <= 1200; ++i) {
        const double hz = 6.5e6 + i * 1e3;
        const double w = 2.0 * kPi * hz;
        const std::complex<double> z(50.0, w * 5e-6 - 1.0 / (w * 100.5e-12));
        points.push_back({hz, (z - 50.0) / (z + 50.0)});
    }
    return SamplesFromReflections(points, 50.0);
}

// A series RLC of 50 ohm resonant near 7.1 MHz, swept over 40 m with a target on the band.
class ReportOfRlc : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }

    AntennaReport report(const QString& title, const QLocale& locale) {
        return BuildAntennaReport(
            ReportInput{
                title, QStringLiteral("rlc.s1p"), {}, live_, analysis_, options_, nullptr, {}},
            locale);
    }
    QByteArray encoded(ReportFormat format, const QLocale& locale = QLocale::c()) {
        return EncodeReport(report(QStringLiteral("<b>Dipole & tuner</b>"), locale), format);
    }

    AnalysisOptions options_{.targetHz = 7.2e6, .velocityFactor = 0.66};
    AntennaSamples live_ = MeasuredRlc();
    AntennaAnalysis analysis_ = AnalyseAntenna(live_, options_);
};

TEST_F(ReportOfRlc, ThePdfIsOneA4PageWhoseTextCanBeRead) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (Debian's poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.pdf"));
    // The page draws the title as plain text: markup in it is printed, never obeyed.
    ASSERT_FALSE(SaveReport(path, report(QStringLiteral("<b>Dipole & tuner</b>"), QLocale::c())));
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished());
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    // pdftotext ends every page with a form feed.
    EXPECT_EQ(text.count(u'\f'), 1);
    const QString dipMHz = TableMHz(analysis_.dips.at(0).bottom.hz, QLocale::c());
    for (const QString& expected :
         {QStringLiteral("<b>Dipole & tuner</b>"), dipMHz, QStringLiteral("40m"),
          QStringLiteral("Ravemo 1.0"), QStringLiteral("2:1 band (kHz)"),
          QStringLiteral("Trim for 7.2000 MHz: the dip at"), QStringLiteral("velocity factor 0.66"),
          QStringLiteral("sign of X measured")}) {
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n"
                                             << text.toStdString();
    }
}

TEST_F(ReportOfRlc, ThePngIsALargePageWithItsPictures) {
    const QImage image = QImage::fromData(encoded(ReportFormat::Png), "PNG");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), kReportPngWidthPx);
    EXPECT_GT(image.height(), image.width());  // an A4 portrait page
    // Not blank: the SWR curve and the Smith locus run over hundreds of rows of the page, the
    // dip is marked.
    int curveRows = 0;
    bool dip = false;
    const PlotStyle style;
    for (int y = 0; y < image.height(); ++y) {
        bool curve = false;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            curve = curve || pixel == style.swrCurve.rgb();
            dip = dip || pixel == style.dip.rgb();
        }
        curveRows += curve ? 1 : 0;
    }
    EXPECT_GT(curveRows, image.height() / 4);
    EXPECT_TRUE(dip);
}

TEST_F(ReportOfRlc, TheHtmlIsOneFileWithItsTablesAndPicturesInside) {
    // Hostile text in every place outside text reaches: the title, the source file's name, the
    // reference's name, a fact, a table's head and cells, the paragraphs and the bands' head.
    const QString hostile = QStringLiteral("<script>alert(\"&amp;\")</script>");
    AntennaReport hostileReport = BuildAntennaReport(
        ReportInput{hostile, hostile, {}, live_, analysis_, options_, &live_, {}, hostile},
        QLocale::c());
    hostileReport.facts.push_back({hostile, hostile});
    ASSERT_FALSE(hostileReport.dips.rows.empty() || hostileReport.bands.rows.empty());
    hostileReport.dips.heads.front() = hostile;
    hostileReport.dips.rows.front().back() = hostile;
    hostileReport.bands.rows.back().front() = hostile;
    for (QString* text : {&hostileReport.resonances, &hostileReport.trim, &hostileReport.cable,
                          &hostileReport.bandsHead}) {
        *text = hostile;
    }
    const QByteArray page = EncodeReport(hostileReport, ReportFormat::Html);
    const QByteArray escaped = "&lt;script&gt;alert(&quot;&amp;amp;&quot;)&lt;/script&gt;";
    EXPECT_EQ(page.count(escaped), 13);  // the title twice, four facts' texts, seven more
    EXPECT_FALSE(page.contains("<script"));
    EXPECT_TRUE(page.contains("<title>" + escaped + "</title>"));
    EXPECT_TRUE(page.contains("<tr><th>Source</th><td>" + escaped + "</td></tr>"));
    EXPECT_TRUE(page.contains("<tr><th>Reference</th><td>the grey trace: " + escaped + "</td>"));

    const QString html = QString::fromUtf8(encoded(ReportFormat::Html));
    // Every reference is a picture inside the file.
    static const QRegularExpression kReference(QStringLiteral("(?:src|href)\\s*=\\s*\"([^\"]*)\""));
    int pictures = 0;
    for (const QRegularExpressionMatch& m : kReference.globalMatch(html)) {
        const QString uri = m.captured(1);
        ASSERT_TRUE(uri.startsWith(QStringLiteral("data:image/png;base64,")))
            << uri.left(80).toStdString();
        const QByteArray png = QByteArray::fromBase64(uri.mid(uri.indexOf(u',') + 1).toLatin1());
        EXPECT_FALSE(QImage::fromData(png, "PNG").isNull());
        ++pictures;
    }
    EXPECT_EQ(pictures, 2);
    // Outside the pictures, nothing that could reach a network or run.
    QString rest = html;
    rest.remove(QRegularExpression(QStringLiteral("data:image/png;base64,[A-Za-z0-9+/=]*")));
    for (const char* banned : {"http:", "https:", "//", "<script", "<link", "url(", "@import"}) {
        EXPECT_FALSE(rest.contains(QLatin1String(banned), Qt::CaseInsensitive)) << banned;
    }
    EXPECT_EQ(rest.count(QStringLiteral("<table")), 3);  // facts, dips, bands
    EXPECT_TRUE(rest.contains(QStringLiteral("<td>40m</td>")));
    // The title is text, not markup.
    EXPECT_TRUE(rest.contains(QStringLiteral("<h1>&lt;b&gt;Dipole &amp; tuner&lt;/b&gt;</h1>")));
}

// A reference kept at 14:02, 85 kHz below, and a history: the report names the grey trace, gives
// the shift since it and prints the history strip under the pictures.
TEST_F(ReportOfRlc, TheReferenceIsNamedWithTheShiftSinceItAndTheHistoryIsPrinted) {
    AntennaSamples lower = live_;
    for (AntennaSample& s : lower.samples) s.hz -= 85e3;
    for (Resonance& r : lower.resonances) r.hz -= 85e3;
    const AntennaAnalysis lowerAnalysis = AnalyseAntenna(lower, options_);
    std::vector<HistoryPoint> history(3, HistoryPoint{7.1e6, 1.1});
    for (std::size_t i = 0; i < history.size(); ++i) {
        history[i].at = HistoryClock::time_point(std::chrono::minutes(60 + i));
    }
    const ReportInput input{QStringLiteral("Dipole"),
                            QStringLiteral("rlc.s1p"),
                            {},
                            live_,
                            analysis_,
                            options_,
                            &lower,
                            {},
                            QStringLiteral("kept at 14:02"),
                            &lowerAnalysis,
                            history};
    const AntennaReport withAll = BuildAntennaReport(input, QLocale::c());
    const QString html = QString::fromUtf8(EncodeReport(withAll, ReportFormat::Html));
    EXPECT_TRUE(html.contains("<th>Reference</th><td>the grey trace: kept at 14:02</td>"));
    EXPECT_TRUE(html.contains("<th>Since reference</th><td>dip +85 kHz since reference"))
        << html.left(3000).toStdString();
    EXPECT_EQ(html.count("<img "), 3);
    EXPECT_TRUE(html.contains("alt=\"Tuning history: tuned frequency and lowest SWR\""));

    // The page shows the strip's header under the pictures; without a history it has none.
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (Debian's poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.pdf"));
    const auto pageText = [&](const AntennaReport& report) {
        EXPECT_FALSE(SaveReport(path, report));
        QProcess process;
        process.start(pdftotext, {path, QStringLiteral("-")});
        EXPECT_TRUE(process.waitForFinished());
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    EXPECT_TRUE(pageText(withAll).contains("Lowest SWR 1.10"));
    EXPECT_FALSE(
        pageText(report(QStringLiteral("Dipole"), QLocale::c())).contains("Lowest SWR 1.10"));
}

TEST_F(ReportOfRlc, NumbersFollowTheLocale) {
    const QString html =
        QString::fromUtf8(encoded(ReportFormat::Html, QLocale(QLocale::German, QLocale::Germany)));
    EXPECT_TRUE(html.contains(QStringLiteral("<td>7,0000 \u2013 7,2000</td>")));
    EXPECT_TRUE(html.contains(QStringLiteral("Trim for 7,2000 MHz")));
}

TEST(ReportFile, FormatsAndFailures) {
    test::EnsureGuiApplication();
    struct Case {
        const char* name;
        std::optional<ReportFormat> format;
    };
    for (const Case& c : {Case{"a.png", ReportFormat::Png}, Case{"b.PDF", ReportFormat::Pdf},
                          Case{"c.htm", ReportFormat::Html}, Case{"d.html", ReportFormat::Html},
                          Case{"e.txt", std::nullopt}, Case{"png", std::nullopt}}) {
        EXPECT_EQ(ReportFormatOfPath(QString::fromLatin1(c.name)), c.format) << c.name;
    }
    // The extension a bare name gets is the chosen format's.
    for (const ReportFormat format : {ReportFormat::Png, ReportFormat::Pdf, ReportFormat::Html}) {
        EXPECT_EQ(ReportFormatOfPath(QStringLiteral("report") + ReportExtension(format)), format);
    }
    // A folder that is not there: an error, and nothing written.
    QTemporaryDir dir;
    const AntennaSamples none;
    const AntennaAnalysis nothing;
    const AnalysisOptions options;
    const AntennaReport empty =
        BuildAntennaReport({"t", "s", {}, none, nothing, options, nullptr, {}}, QLocale::c());
    const QString path = dir.filePath(QStringLiteral("missing/r.html"));
    EXPECT_TRUE(SaveReport(path, empty));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(SaveReport(dir.filePath(QStringLiteral("r.txt")), empty));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

}  // namespace
}  // namespace ravemo
