#include "common/BoundedFileRead.h"

#include <sys/stat.h>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace ravemo {
namespace {

constexpr qint64 kLimit = 100;
const QString kKind = QStringLiteral("sweep file");

class BoundedFileReadTest : public ::testing::Test {
  protected:
    QString path(const char* name) const { return QDir(folder_.path()).filePath(name); }
    QString fileOf(const char* name, qint64 size) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_TRUE(file.resize(size));  // sparse: nothing is written
        return file.fileName();
    }
    QTemporaryDir folder_;
};

TEST_F(BoundedFileReadTest, ReadsARegularFileUpToTheLimitAndRefusesTheRest) {
    for (const qint64 size : {qint64{0}, qint64{1}, kLimit}) {
        const BoundedFileRead read = ReadBoundedFile(fileOf("ok.vec", size), kLimit, kKind);
        ASSERT_TRUE(read.bytes) << size << " " << read.error.toStdString();
        EXPECT_EQ(read.bytes->size(), size);
    }
    // A file that reports no size but has contents, read in growing steps.
    const BoundedFileRead proc = ReadBoundedFile("/proc/self/status", 1 << 20, kKind);
    ASSERT_TRUE(proc.bytes) << proc.error.toStdString();
    EXPECT_TRUE(proc.bytes->startsWith("Name:"));

    // What is no regular file or too large is refused before reading.
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe.vec")).constData(), 0600), 0);
    struct Case {
        QString path;
        const char* says;
        bool missing;
    };
    const Case cases[] = {
        {path("absent.vec"), "does not exist", true},
        {folder_.path(), "is a folder", false},
        {path("pipe.vec"), "is a named pipe", false},   // would block a plain read
        {"/dev/zero", "is a character device", false},  // would never end
        {fileOf("big.vec", kLimit + 1), "too large: 101 bytes, where a sweep file is at most 100",
         false},
        {fileOf("sparse.vec", qint64{2} << 30), "2147483648 bytes", false},
        {"/proc/self/status", "grew beyond 100 bytes", false},  // reports 0, holds more
    };
    for (const Case& c : cases) {
        const BoundedFileRead read = ReadBoundedFile(c.path, kLimit, kKind);
        EXPECT_FALSE(read.bytes) << c.says;
        EXPECT_EQ(read.missing, c.missing) << c.says;
        EXPECT_TRUE(read.error.contains(c.says)) << read.error.toStdString();
        EXPECT_TRUE(read.error.contains("The sweep file \"" + QDir::toNativeSeparators(c.path)))
            << read.error.toStdString();
    }
}

}  // namespace
}  // namespace ravemo
