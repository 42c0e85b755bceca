#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include "startup/SingleInstance.h"

namespace ravemo {
namespace {

// A process id above any Linux pid_max: no process ever has it.
constexpr qint64 kPidOfNoProcess = 999'999'999;

void writeLockFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

TEST(SingleInstance, SecondCopyIsRefusedWhileTheFirstRuns) {
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    ASSERT_EQ(first.acquire(), SingleInstance::Outcome::Acquired);
    SingleInstance second(folder.path());
    EXPECT_EQ(second.acquire(), SingleInstance::Outcome::HeldByAnother);
}

TEST(SingleInstance, LockIsFreeAgainWhenTheFirstCopyEnds) {
    QTemporaryDir folder;
    {
        SingleInstance first(folder.path());
        ASSERT_EQ(first.acquire(), SingleInstance::Outcome::Acquired);
    }
    SingleInstance next(folder.path());
    EXPECT_EQ(next.acquire(), SingleInstance::Outcome::Acquired);
}

TEST(SingleInstance, LockOfACrashedCopyIsTakenOver) {
    QTemporaryDir folder;
    SingleInstance instance(folder.path());
    writeLockFile(instance.lockFilePath(), QByteArray::number(kPidOfNoProcess) + "\nravemo\n" +
                                               QSysInfo::machineHostName().toUtf8() + "\n");
    EXPECT_EQ(instance.acquire(), SingleInstance::Outcome::Acquired);
    SingleInstance second(folder.path());
    EXPECT_EQ(second.acquire(), SingleInstance::Outcome::HeldByAnother);
}

TEST(SingleInstance, OldUnreadableLockIsTakenOverButAFreshOneIsNot) {
    QTemporaryDir folder;
    SingleInstance fresh(folder.path());
    writeLockFile(fresh.lockFilePath(), QByteArray());
    EXPECT_EQ(fresh.acquire(), SingleInstance::Outcome::HeldByAnother);

    QFile file(fresh.lockFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                 QFileDevice::FileModificationTime));
    file.close();
    SingleInstance later(folder.path());
    EXPECT_EQ(later.acquire(), SingleInstance::Outcome::Acquired);
}

TEST(SingleInstance, UnwritableFolderDoesNotBlockTheProgram) {
    QTemporaryDir folder;
    SingleInstance instance(folder.filePath("no/such/folder"));
    EXPECT_EQ(instance.acquire(), SingleInstance::Outcome::LockUnavailable);
}

}  // namespace
}  // namespace ravemo
