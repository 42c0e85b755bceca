#include "startup/SingleInstance.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace ravemo {
namespace {

// A lock file whose owner cannot be read (a copy crashed while writing it) is taken over once
// it is this old: a live copy writes its owner within milliseconds of creating the file.
constexpr qint64 kUnreadableLockTakeoverMs = 10'000;

QString userTag() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) user = qEnvironmentVariable("USERNAME");
    return user.isEmpty() ? QStringLiteral("user") : user;
}

}  // namespace

SingleInstance::SingleInstance(const QString& lockFolder)
    : path_(QDir(lockFolder).filePath(QStringLiteral("ravemo-%1.lock").arg(userTag()))),
      lock_(path_) {
    // 0: age alone never makes a lock stale, so a long-running copy keeps its lock; a lock
    // whose owning process is gone is still found stale by its process id.
    lock_.setStaleLockTime(0);
}

SingleInstance::Outcome SingleInstance::acquire() {
    if (lock_.tryLock(0)) return Outcome::Acquired;
    if (lock_.error() != QLockFile::LockFailedError) return Outcome::LockUnavailable;
    qint64 pid = 0;
    QString host;
    QString application;
    if (!lock_.getLockInfo(&pid, &host, &application)) {
        const QDateTime modified = QFileInfo(path_).lastModified();
        if (modified.msecsTo(QDateTime::currentDateTime()) > kUnreadableLockTakeoverMs &&
            lock_.removeStaleLockFile() && lock_.tryLock(0)) {
            return Outcome::Acquired;
        }
    }
    return Outcome::HeldByAnother;
}

QString SingleInstance::defaultLockFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return folder;
}

}  // namespace ravemo
