#include "files/report/ReportTitle.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "analysis/ReflectionSamples.h"
#include "files/report/AntennaReport.h"
#include "files/report/ReportFile.h"
#include "support/GuiApplication.h"

namespace ravemo {
namespace {

const QString kEllipsis = QString::fromUtf8("\u2026");

class ReportTitle : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
};

// A title is one line that fits: cut with "…" when it is too long, never wrapped.
TEST_F(ReportTitle, IsOneLineCutWithAnEllipsisWhereThePageEnds) {
    QImage page(1000, 200, QImage::Format_RGB32);
    QFont font;
    font.setPointSizeF(17.0);
    const double width = 600.0;
    EXPECT_EQ(FittedTitle("Attic dipole", font, &page, width), "Attic dipole");
    EXPECT_EQ(FittedTitle("Attic\ndipole\t 40 m", font, &page, width), "Attic dipole 40 m");
    for (const QString& longTitle : {QString("Dipole ").repeated(300), QString(5000, u'W')}) {
        const QString fitted = FittedTitle(longTitle, font, &page, width);
        EXPECT_TRUE(fitted.endsWith(kEllipsis)) << fitted.toStdString();
        EXPECT_TRUE(longTitle.startsWith(fitted.chopped(1).trimmed()));
        EXPECT_LE(QFontMetricsF(font, &page).horizontalAdvance(fitted), width);
    }
}

// On the PDF page the facts follow the title's one line.
TEST_F(ReportTitle, ALongTitleLeavesThePageAsItWas) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (Debian's poppler-utils) is not installed";
    const std::vector<TouchstoneModel::Point> points{{7.0e6, {0.2, 0.1}}, {7.1e6, {0.1, 0.0}}};
    const AntennaSamples samples = SamplesFromReflections(points, 50.0);
    const AnalysisOptions options;
    const AntennaAnalysis analysis = AnalyseAntenna(samples, options);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.pdf"));
    const QString title = QStringLiteral("Dipole ").repeated(300);
    ASSERT_FALSE(SaveReport(
        path,
        BuildAntennaReport(ReportInput{title, "a.s1p", {}, samples, analysis, options, nullptr, {}},
                           QLocale::c())));
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished());
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines[0].trimmed().endsWith(kEllipsis)) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Made"))) << lines[1].toStdString();
}

}  // namespace
}  // namespace ravemo
