#include "files/SafeFileIo.h"

#include <QDir>
#include <QFileInfo>

#ifdef _WIN32
#include <QSaveFile>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QFile>
#include <QRandomGenerator>

#include "common/FileNodeKind.h"
#endif

namespace ravemo {
namespace {

QString nativeName(const QString& path) { return QDir::toNativeSeparators(path); }

#ifndef _WIN32

// The system's words for an error, and what to do about the causes a user meets.
QString systemReason(int error) {
    QString reason = QString::fromLocal8Bit(std::strerror(error));
    if (error == ENOSPC || error == EDQUOT) {
        reason += QStringLiteral(": free some space and try again");
    } else if (error == EFBIG) {
        reason += QStringLiteral(
            ": the file would exceed the largest size this program may "
            "write (a file-size limit)");
    } else if (error == EACCES || error == EPERM || error == EROFS) {
        reason += QStringLiteral(": choose a folder you may write to");
    }
    return reason;
}

// A temporary file of the writer: removed again unless it was put in place.
class TemporaryFile {
  public:
    TemporaryFile() = default;
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!name_.isEmpty()) ::unlink(name_.constData());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Creates a new file beside `target`, with the permissions a new file gets (0666 less the
    // umask); false with errno set when it cannot.
    bool create(const QString& target) {
        const QFileInfo info(target);
        constexpr int kAttempts = 100;
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            const QString name = info.dir().filePath(
                QStringLiteral(".%1.%2")
                    .arg(info.fileName())
                    .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
            const QByteArray encoded = QFile::encodeName(name);
            constexpr mode_t kNewFileMode = 0666;
            fd_ =
                ::open(encoded.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
            if (fd_ >= 0) {
                name_ = encoded;
                return true;
            }
            if (errno != EEXIST) return false;
        }
        return false;
    }
    int fd() const { return fd_; }
    // Closes the file; false with errno set when the last data could not be written.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    // Puts the file in place of `target`; from then on it is no longer temporary.
    bool rename(const QByteArray& target) {
        if (::rename(name_.constData(), target.constData()) != 0) return false;
        name_.clear();
        return true;
    }

  private:
    int fd_ = -1;
    QByteArray name_;
};

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.constData() + written,
                                      static_cast<std::size_t>(bytes.size() - written));
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return false;
        written += count;
    }
    return true;
}

// The file that writing `path` replaces: the name itself, or where a symbolic link leads.
QString targetOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink()) return path;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

#endif

}  // namespace

#ifndef _WIN32

std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty()) return QStringLiteral("No file name was given.");
    const QString target = targetOf(path);
    const QByteArray encodedTarget = QFile::encodeName(target);
    struct stat node {};
    const bool exists = ::stat(encodedTarget.constData(), &node) == 0;
    if (!exists && errno != ENOENT) return systemReason(errno);
    if (exists && !S_ISREG(node.st_mode)) {
        const QString where =
            target == path ? QStringLiteral("it is")
                           : QStringLiteral("it leads to %1, which is").arg(nativeName(target));
        return QStringLiteral("%1 %2, not a regular file; name a new file or a regular one")
            .arg(where, FileNodeKind(node.st_mode));
    }
    TemporaryFile file;
    if (!file.create(target)) {
        return QStringLiteral("cannot create a file in %1: %2")
            .arg(nativeName(QFileInfo(target).absolutePath()), systemReason(errno));
    }
    // The replacement keeps the permissions of the file it replaces.
    constexpr mode_t kPermissionBits = 07777;
    if (exists && ::fchmod(file.fd(), node.st_mode & kPermissionBits) != 0) {
        return systemReason(errno);
    }
    // The data must be on the disk before the old file goes: a write, a flush and a close can
    // each be where a full disk shows.
    if (!writeAll(file.fd(), bytes) || ::fsync(file.fd()) != 0 || !file.close()) {
        return systemReason(errno);
    }
    if (!file.rename(encodedTarget)) return systemReason(errno);
    return std::nullopt;
}

#else

namespace {

// Gives up the temporary file and returns why.
QString cancelled(QSaveFile& file) {
    QString reason = file.errorString();
    file.cancelWriting();
    return reason;
}

}  // namespace

std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty()) return QStringLiteral("No file name was given.");
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        return QStringLiteral("%1 is not a regular file; name a new file or a regular one")
            .arg(nativeName(path));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(bytes) != bytes.size()) return cancelled(file);
    // A small file stays in the device's buffer until here; commit() alone would not report a
    // failed flush and would put an empty file in place of the old one.
    if (!file.flush() || file.error() != QFileDevice::NoError) return cancelled(file);
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

#endif

}  // namespace ravemo
