#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "cli/DoctorCommand.h"

namespace ravemo {
namespace {

// The doctor on a fake system: a port at 888 set up for root, or nothing at all.
struct DoctorRun {
    QTemporaryDir root;
    QString out;
    QString err;

    int run(bool portReady, const QStringList& words = {}) {
        const QDir dir(root.path());
        dir.mkpath("proc/sys/dev/parport/parport0");
        dir.mkpath("dev");
        dir.mkpath("bin");
        QFile settings(dir.filePath("bin/ravemo.ini"));
        if (!settings.open(QIODevice::WriteOnly)) return -1;
        settings.write("[PORTSETTING]\nAddress1=888\n");
        settings.close();
        if (portReady) {
            for (const auto& [file, text] :
                 {std::pair{"proc/modules", "ppdev 1 0\n"},
                  std::pair{"proc/sys/dev/parport/parport0/base-addr", "888\t1912\n"},
                  std::pair{"dev/parport0", ""}}) {
                QFile f(dir.filePath(file));
                if (!f.open(QIODevice::WriteOnly)) return -1;
                f.write(text);
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

    DoctorRun wrong;
    EXPECT_EQ(wrong.run(true, {"--frob"}), 2);
    EXPECT_TRUE(wrong.out.isEmpty());
}

}  // namespace
}  // namespace ravemo
