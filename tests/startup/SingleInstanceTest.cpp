#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include "startup/SingleInstance.h"

namespace ravemo {
namespace {

using Outcome = SingleInstance::Outcome;

// A process id above any Linux pid_max: no process ever has it.
constexpr qint64 kPidOfNoProcess = 999'999'999;

void WriteLock(const QString& path, const QByteArray& content, int ageSeconds) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                                 QFileDevice::FileModificationTime));
}

TEST(SingleInstance, SecondCopyIsRefusedWhileTheFirstRunsAndNotAfter) {
    const QTemporaryDir folder;
    {
        SingleInstance first(folder.path());
        ASSERT_EQ(first.acquire(), Outcome::Acquired);
        EXPECT_EQ(SingleInstance(folder.path()).acquire(), Outcome::HeldByAnother);
    }
    EXPECT_EQ(SingleInstance(folder.path()).acquire(), Outcome::Acquired);
    EXPECT_EQ(SingleInstance(folder.filePath("no/such/folder")).acquire(),
              Outcome::LockUnavailable);  // does not block the program
}

// The lock of a crashed copy is taken over, as is an old unreadable one, but not a fresh one.
TEST(SingleInstance, StaleLocksAreTakenOver) {
    const QByteArray crashed = QByteArray::number(kPidOfNoProcess) + "\nravemo\n" +
                               QSysInfo::machineHostName().toUtf8() + "\n";
    const struct {
        QByteArray content;
        int ageSeconds;
        Outcome outcome;
    } cases[] = {
        {crashed, 0, Outcome::Acquired},
        {"", 5, Outcome::HeldByAnother},
        {"", 60, Outcome::Acquired},
    };
    for (const auto& c : cases) {
        const QTemporaryDir folder;
        SingleInstance instance(folder.path());
        WriteLock(instance.lockFilePath(), c.content, c.ageSeconds);
        EXPECT_EQ(instance.acquire(), c.outcome) << c.ageSeconds;
        if (c.outcome == Outcome::Acquired) {
            EXPECT_EQ(SingleInstance(folder.path()).acquire(), Outcome::HeldByAnother);
        }
    }
}

}  // namespace
}  // namespace ravemo
