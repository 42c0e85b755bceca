#include "files/SafeFileIo.h"

#include <sys/resource.h>

#include <csignal>

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

#include "files/FilesTestSupport.h"

namespace ravemo {
namespace {

// A full disk, as a file-size limit (writes fail with EFBIG; the signal is ignored). A small file
// stays in the write buffer until the end, so its failed write shows only in the flush; a large
// one fails on the way. Both are refused with a reason, the old file stays byte for byte and no
// temporary is left beside it.
TEST(SafeFileIo, AWriteThatFailsIsReportedAndLeavesTheOldFileByteForByte) {
    const QByteArray old = "previous contents\n";
    for (const qsizetype size : {qsizetype{5}, qsizetype{300} * 1024}) {
        const QTemporaryDir folder;
        const QString path = QDir(folder.path()).filePath("sweep.vec");
        testing::WriteFileBytes(path, old);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limit = saved;
        limit.rlim_cur = 2;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
        const std::optional<QString> failure = WriteFileAtomically(path, QByteArray(size, 'x'));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        ASSERT_TRUE(failure.has_value()) << size;
        EXPECT_FALSE(failure->isEmpty());
        EXPECT_EQ(testing::ReadFileBytes(path), old);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"sweep.vec"});
    }
}

}  // namespace
}  // namespace ravemo
