#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>

#include "CliTestSupport.h"
#include "analysis/SimulatedSweep.h"
#include "support/GuiApplication.h"

namespace ravemo {
namespace {

const char kReportSettings[] = "[PARAMETERS]\nChamp=400\nStep=1\n[PORTSETTING]\nAddress1=888\n";

// A swept dipole (d.vec) in the run's folder.
class ReportRun : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
    void SetUp() override {
        ASSERT_EQ(cli.run({"sweep", "--from", "6", "--to", "8", "--port", "sim:dipole:7.1",
                           "--output", cli.path("d.vec")}),
                  0)
            << cli.err().toStdString();
    }

    CliRun cli{kReportSettings};
};

TEST_F(ReportRun, StatusMessageAndWhatIsWritten) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(cli.path("pipe.png")).constData(), 0600), 0);
    const struct {
        const char* arguments;  // after "report", as CliRun::words reads them
        int status;
        const char* fragment;  // in stdout when the status is 0, else in stderr
        const char* output;    // the file that must exist afterwards (status 0) or must not
        const char* magic;     // its first bytes
    } cases[] = {
        {"--help", 0, "report FILE --output OUT", "", ""},
        {"@d.vec", 2, "report needs --output OUT", "", ""},
        {"@d.vec --output @r.txt", 2, "takes a .png, .pdf or .html file", "r.txt", ""},
        {"@none.vec --output @r.pdf", 2, "none.vec\" does not exist", "r.pdf", ""},
        {"@d.vec @d.vec --output @r.pdf", 2, "report needs one file", "r.pdf", ""},
        {"@d.vec --output @r.pdf --region 5", 2, "--region takes", "r.pdf", ""},
        {"@d.vec --output @no/r.pdf", 1, "cannot write", "no/r.pdf", ""},
        // Written only under a new name or over a regular file: the pipe stays a pipe.
        {"@d.vec --output @pipe.png", 1, "pipe.png: it is a named pipe, not a regular file", "",
         ""},
        {"@d.vec --output @r.png", 0, "", "r.png", "\x89PNG"},
        {"@d.vec --output @r.pdf --cable --velocity-factor 0.8", 0, "", "r.pdf", "%PDF"},
        {"@d.vec --output @r.html --target-mhz 7.05", 0, "", "r.html", "<!DOCTYPE html>"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cli.run(cli.words(QStringLiteral("report ") + c.arguments)), c.status)
            << c.arguments;
        const QString& text = c.status == 0 ? cli.out() : cli.err();
        EXPECT_TRUE(text.contains(QLatin1String(c.fragment))) << text.toStdString();
        if (*c.output == '\0') continue;
        EXPECT_EQ(QFile::exists(cli.path(QLatin1String(c.output))), c.status == 0) << c.arguments;
        EXPECT_TRUE(cli.fileBytes(QLatin1String(c.output)).startsWith(c.magic)) << c.arguments;
    }
    // The pipe is still there, not replaced by a page.
    EXPECT_FALSE(QFileInfo(cli.path("pipe.png")).isFile());
    EXPECT_TRUE(QFileInfo::exists(cli.path("pipe.png")));
    const QByteArray html = cli.fileBytes("r.html");
    EXPECT_TRUE(
        html.contains("Trim for 7.0500 MHz: the dip at 7.0950 MHz: make the element 0.6% longer"))
        << html.toStdString();
    // The title, or when blank the file's name.
    for (const auto& [title, heading] :
         {std::pair{"Attic dipole", "<h1>Attic dipole</h1>"}, std::pair{" ", "<h1>d.vec</h1>"}}) {
        ASSERT_EQ(cli.run(cli.words("report @d.vec --output @t.html") << "--title" << title), 0);
        EXPECT_TRUE(cli.fileBytes("t.html").contains(heading)) << title;
    }
}

// The program itself, with no display and no platform chosen, and under a file-size limit that
// the report does not fit in: status 1 and no file left behind.
TEST_F(ReportRun, TheProgramReportsWithoutADisplayAndLeavesNothingOnAFailedWrite) {
    struct Case {
        const char* limit;
        const char* output;
        int status;
    };
    for (const Case& c : {Case{"unlimited", "ok.pdf", 0}, Case{"8", "big.png", 1}}) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            environment.remove(QString::fromLatin1(name));
        }
        process.setProcessEnvironment(environment);
        // Ignoring SIGXFSZ lets the write fail with an error instead of ending the program.
        process.start(
            QStringLiteral("sh"),
            QStringList{"-c", QString("trap '' XFSZ; ulimit -f %1; exec \"$@\"").arg(c.limit), "sh",
                        RAVEMO_CLI} +
                cli.words(QStringLiteral("--settings @ravemo.ini report @d.vec --output @") +
                          c.output));
        ASSERT_TRUE(process.waitForFinished(60'000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << c.output;
        EXPECT_EQ(process.exitCode(), c.status)
            << c.output << ": " << process.readAllStandardError().toStdString();
        EXPECT_EQ(QFile::exists(cli.path(QLatin1String(c.output))), c.status == 0) << c.output;
    }
    // Not even the temporary file of the failed write.
    EXPECT_EQ(QDir(cli.path(".")).entryList({"*.png*", "*big*"}, QDir::Files), QStringList());
}

}  // namespace
}  // namespace ravemo
