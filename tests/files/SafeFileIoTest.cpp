#include "files/SafeFileIo.h"

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstring>
#include <functional>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/FilesTestSupport.h"

namespace ravemo {
namespace {

// A full disk, as a file-size limit (writes fail with EFBIG; the signal is ignored). A small file
// stays in the write buffer until the end, so its failed write shows only in the flush; a large
// one fails on the way. Both are refused with the system's reason, the old file stays byte for
// byte and no temporary is left beside it.
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
        EXPECT_TRUE(failure->startsWith(QString::fromLocal8Bit(std::strerror(EFBIG))))
            << failure->toStdString();
        EXPECT_TRUE(failure->contains("file-size limit")) << failure->toStdString();
        EXPECT_EQ(testing::ReadFileBytes(path), old);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"sweep.vec"});
    }
}

bool IsNamedPipe(const QString& path) {
    struct stat node {};
    return ::lstat(QFile::encodeName(path).constData(), &node) == 0 && S_ISFIFO(node.st_mode);
}

bool IsCharacterDevice(const QString& path) {
    struct stat node {};
    return ::stat(QFile::encodeName(path).constData(), &node) == 0 && S_ISCHR(node.st_mode);
}

// Only a new name or a regular file is written. A pipe, a folder or a device in the way is
// refused and left as it was: replaced, a device node would be gone for every program. The
// device comes last, behind the same check, so a writer that fails the pipes never reaches it.
TEST(SafeFileIo, WritesOnlyANewNameOrARegularFileAndLeavesAnythingElseAsItWas) {
    const QTemporaryDir folder;
    const QDir dir(folder.path());
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe.png")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(dir.filePath("pipe.png"), dir.filePath("to-pipe.png")));
    ASSERT_TRUE(dir.mkdir("folder.png"));
    ASSERT_TRUE(QFile::link("/dev/null", dir.filePath("to-null.png")));
    const auto isLink = [](const QString& path) { return QFileInfo(path).isSymLink(); };
    const struct {
        const char* name;
        const char* reason;
        std::function<bool(const QString&)> unchanged;
    } refused[] = {
        {"pipe.png", "it is a named pipe", IsNamedPipe},
        {"to-pipe.png", "which is a named pipe", isLink},
        {"folder.png", "it is a folder",
         [](const QString& path) { return QFileInfo(path).isDir(); }},
        {"to-null.png", "it leads to /dev/null, which is a character device", isLink},
    };
    for (const auto& c : refused) {
        const QString path = dir.filePath(QLatin1String(c.name));
        const std::optional<QString> failure = WriteFileAtomically(path, "bytes");
        ASSERT_TRUE(failure.has_value()) << c.name;
        ASSERT_TRUE(failure->contains(QLatin1String(c.reason))) << failure->toStdString();
        ASSERT_TRUE(c.unchanged(path)) << c.name;
        ASSERT_TRUE(IsNamedPipe(dir.filePath("pipe.png"))) << c.name;
    }
    EXPECT_TRUE(IsCharacterDevice("/dev/null"));
    // A link to a regular file writes through to it: the link stays, the file keeps its
    // permissions, and nothing temporary is left.
    testing::WriteFileBytes(dir.filePath("kept.csv"), "old");
    ASSERT_TRUE(QFile::setPermissions(dir.filePath("kept.csv"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    ASSERT_TRUE(QFile::link(dir.filePath("kept.csv"), dir.filePath("link.csv")));
    EXPECT_EQ(WriteFileAtomically(dir.filePath("link.csv"), "new"), std::nullopt);
    EXPECT_TRUE(QFileInfo(dir.filePath("link.csv")).isSymLink());
    EXPECT_EQ(testing::ReadFileBytes(dir.filePath("kept.csv")), "new");
    struct stat kept {};
    ASSERT_EQ(::stat(QFile::encodeName(dir.filePath("kept.csv")).constData(), &kept), 0);
    EXPECT_EQ(kept.st_mode & 0777, 0640U);
    EXPECT_EQ(dir.entryList({".*"}, QDir::Files | QDir::Hidden | QDir::System), QStringList());
}

}  // namespace
}  // namespace ravemo
