#include "files/SafeFileIo.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace ravemo {
namespace {

// What the child reports through its exit status.
enum ChildOutcome { kRefusedWithReason = 0, kReportedSuccess = 1, kRefusedWithoutReason = 2 };

// Saves `bytes` over `path` in a child process whose files may not grow beyond `limitBytes`
// (as on a full disk: the write fails with EFBIG; the signal that would end the process is
// ignored), and gives what the save reported.
int SaveUnderFileSizeLimit(const QString& path, const QByteArray& bytes, rlim_t limitBytes) {
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = limitBytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        const std::optional<QString> failure = WriteFileAtomically(path, bytes);
        _exit(!failure             ? kReportedSuccess
              : failure->isEmpty() ? kRefusedWithoutReason
                                   : kRefusedWithReason);
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SafeFileIo, AFailedWriteIsReportedAndLeavesTheOldFileByteForByte) {
    const QByteArray old = "previous contents\n";
    for (const qsizetype size : {qsizetype{5}, qsizetype{300} * 1024}) {
        QTemporaryDir folder;
        const QString path = QDir(folder.path()).filePath("sweep.vec");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(old);
        file.close();

        EXPECT_EQ(SaveUnderFileSizeLimit(path, QByteArray(size, 'x'), 2), kRefusedWithReason)
            << size;
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), old) << size;
        file.close();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"sweep.vec"}) << size;
    }
}

}  // namespace
}  // namespace ravemo
