#include "files/SafeFileIo.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
// While not 0, every rename() of this test program fails with this error: the last step of a
// save (QSaveFile's commit puts the new file in place with it) fails as on a damaged disk.
int gRenameError = 0;
}  // namespace

extern "C" int rename(const char* from, const char* to) noexcept {
    if (gRenameError != 0) {
        errno = gRenameError;
        return -1;
    }
    return renameat(AT_FDCWD, from, AT_FDCWD, to);
}

namespace ravemo {
namespace {

const QByteArray kOld = "previous contents\n";

// Saves `bytes` over `path` in a child process whose files may not grow beyond `limitBytes`
// (as on a full disk: the write fails with EFBIG; the signal that would end the process is
// ignored). The child's exit status: 0 refused with a reason, 1 reported success, 2 refused
// without a reason.
int SaveUnderFileSizeLimit(const QString& path, const QByteArray& bytes, rlim_t limitBytes) {
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = limitBytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        const std::optional<QString> failure = WriteFileAtomically(path, bytes);
        _exit(!failure ? 1 : failure->isEmpty() ? 2 : 0);
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct OldFile {
    OldFile() {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kOld);
    }
    void expectIntact() const {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), kOld);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"sweep.vec"});
    }
    QTemporaryDir folder;
    QString path = QDir(folder.path()).filePath("sweep.vec");
};

// A small file stays in the write buffer until the end: its failed write shows only there.
TEST(SafeFileIo, AWriteThatFailsIsReportedAndLeavesTheOldFileByteForByte) {
    for (const qsizetype size : {qsizetype{5}, qsizetype{300} * 1024}) {
        const OldFile old;
        EXPECT_EQ(SaveUnderFileSizeLimit(old.path, QByteArray(size, 'x'), 2), 0) << size;
        old.expectIntact();
    }
}

TEST(SafeFileIo, AFileThatCannotBePutInPlaceIsReportedAndLeavesTheOldFile) {
    const OldFile old;
    gRenameError = EIO;
    const std::optional<QString> failure = WriteFileAtomically(old.path, "new contents\n");
    gRenameError = 0;
    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(failure->isEmpty());
    old.expectIntact();
    EXPECT_EQ(WriteFileAtomically(old.path, "new contents\n"), std::nullopt);
}

}  // namespace
}  // namespace ravemo
