#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

#include "cli/DoctorCommand.h"
#include "support/FileBytes.h"

namespace ravemo {
namespace {

// The doctor on a fake system: a port at 888 set up for root, or nothing at all.
struct DoctorRun {
    QTemporaryDir root;
    QString out;
    QString err;

    // The settings beside the program, or else only the sample installed with it.
    int run(bool portReady, const QStringList& words = {}, bool installed = false) {
        const QDir dir(root.path());
        dir.mkpath("proc/sys/dev/parport/parport0");
        dir.mkpath("dev");
        dir.mkpath("bin");
        dir.mkpath("share/ravemo");
        if (!test::WriteFileBytes(
                dir.filePath(installed ? "share/ravemo/ravemo.ini" : "bin/ravemo.ini"),
                installed ? "" : "[PORTSETTING]\nAddress1=888\n")) {
            return -1;
        }
        if (portReady) {
            for (const auto& [file, text] :
                 {std::pair{"proc/modules", "ppdev 1 0\n"},
                  std::pair{"proc/sys/dev/parport/parport0/base-addr", "888\t1912\n"},
                  std::pair{"dev/parport0", ""}}) {
                if (!test::WriteFileBytes(dir.filePath(file), text)) return -1;
            }
        }
        PortSystem system;
        system.procDir = dir.filePath("proc");
        system.sysDir = dir.filePath("sys");
        system.devDir = dir.filePath("dev");
        system.userId = 0;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        CliContext context{
            outStream, errStream, QLocale::c(), dir.filePath("bin"), dir.filePath("config"), false};
        const int status = RunDoctor(words, {}, context, system);
        outStream.flush();
        errStream.flush();
        return status;
    }
};

TEST(CliDoctor, ExitsZeroOnlyWhenEveryCheckHoldsAndGivesTheCommandsUnderEachFailure) {
    DoctorRun ready;
    EXPECT_EQ(ready.run(true), 0) << ready.out.toStdString();
    EXPECT_TRUE(ready.out.contains("  OK    ppdev module: loaded\n"));
    EXPECT_FALSE(ready.out.contains("FAIL"));

    DoctorRun bare;
    EXPECT_EQ(bare.run(false), 1);
    EXPECT_TRUE(bare.out.contains("  FAIL  ppdev module: not loaded"));
    EXPECT_TRUE(bare.out.contains("\n        type: sudo modprobe ppdev\n"));
    EXPECT_TRUE(bare.out.contains("4 checks failed"));

    // Address1 from the installed sample: the user edits a copy of their own.
    DoctorRun installed;
    EXPECT_EQ(installed.run(true, {}, true), 1);
    const QString own = installed.root.filePath("config/ravemo/ravemo.ini");
    EXPECT_TRUE(installed.out.contains(
        QString("type: mkdir -p '%1' && cp '%2' '%3'\n        type: set Address1=888 in %3\n")
            .arg(installed.root.filePath("config/ravemo"),
                 installed.root.filePath("share/ravemo/ravemo.ini"), own)))
        << installed.out.toStdString();
}

}  // namespace
}  // namespace ravemo
