#include "common/BoundedFileRead.h"

#include <algorithm>

#include <QDir>
#include <QFile>

#ifdef _WIN32
#include <QFileInfo>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/FileNodeKind.h"
#endif

namespace ravemo {
namespace {

QString quotedName(const QString& path) { return u'"' + QDir::toNativeSeparators(path) + u'"'; }

QString missingMessage(const QString& path, const QString& kind) {
    return QStringLiteral("The %1 %2 does not exist. Check the name and the folder.")
        .arg(kind, quotedName(path));
}

QString notAFileMessage(const QString& path, const QString& kind, const QString& what) {
    return QStringLiteral("The %1 %2 is %3, not a file that can be read. Name a regular file.")
        .arg(kind, quotedName(path), what);
}

QString tooLargeMessage(const QString& path, const QString& kind, qint64 size, qint64 maxBytes) {
    return QStringLiteral(
               "The %1 %2 is too large: %3 bytes, where a %1 is at most %4 bytes. It is not a "
               "%1 of this program, or it is damaged: check that it is the right file.")
        .arg(kind, quotedName(path))
        .arg(size)
        .arg(maxBytes);
}

QString grewMessage(const QString& path, const QString& kind, qint64 maxBytes) {
    return QStringLiteral(
               "The %1 %2 grew beyond %3 bytes while it was read, more than a %1 can be. Wait "
               "until the program that writes it has finished, then try again.")
        .arg(kind, quotedName(path))
        .arg(maxBytes);
}

QString cannotReadMessage(const QString& path, const QString& kind, const QString& reason) {
    return QStringLiteral("The %1 %2 cannot be read: %3. Check its permissions.")
        .arg(kind, quotedName(path), reason);
}

#ifndef _WIN32

QString errnoText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

#endif

}  // namespace

#ifndef _WIN32

BoundedFileRead ReadBoundedFile(const QString& path, qint64 maxBytes, const QString& kind) {
    BoundedFileRead result;
    if (path.isEmpty()) {
        result.missing = true;
        result.error = QStringLiteral("No %1 was named.").arg(kind);
        return result;
    }
    const QByteArray name = QFile::encodeName(path);
    // A look at the name first, so that a device is never even opened (opening a serial line
    // can switch its control lines); the descriptor is checked again below.
    struct stat node {};
    if (::stat(name.constData(), &node) != 0) {
        const int error = errno;
        result.missing = error == ENOENT || error == ENOTDIR;
        result.error = result.missing ? missingMessage(path, kind)
                                      : cannotReadMessage(path, kind, errnoText(error));
        return result;
    }
    if (!S_ISREG(node.st_mode)) {
        result.error = notAFileMessage(path, kind, FileNodeKind(node.st_mode));
        return result;
    }
    // Non-blocking, so that a named pipe put in the file's place meanwhile cannot hang us.
    const Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.fd() < 0) {
        result.error = cannotReadMessage(path, kind, errnoText(errno));
        return result;
    }
    if (::fstat(file.fd(), &node) != 0) {
        result.error = cannotReadMessage(path, kind, errnoText(errno));
        return result;
    }
    if (!S_ISREG(node.st_mode)) {
        result.error = notAFileMessage(path, kind, FileNodeKind(node.st_mode));
        return result;
    }
    if (node.st_size > maxBytes) {
        result.error = tooLargeMessage(path, kind, node.st_size, maxBytes);
        return result;
    }
    // One byte more than allowed is asked for, so that a file that grew is noticed.
    const qint64 wanted = maxBytes + 1;
    QByteArray bytes(static_cast<qsizetype>(std::min<qint64>(node.st_size + 1, wanted)),
                     Qt::Uninitialized);
    qint64 got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got >= wanted) break;
            bytes.resize(static_cast<qsizetype>(std::min<qint64>(got * 2, wanted)));
        }
        const ssize_t count =
            ::read(file.fd(), bytes.data() + got, static_cast<std::size_t>(bytes.size() - got));
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) {
            result.error = cannotReadMessage(path, kind, errnoText(errno));
            return result;
        }
        if (count == 0) break;
        got += count;
    }
    if (got > maxBytes) {
        result.error = grewMessage(path, kind, maxBytes);
        return result;
    }
    bytes.truncate(static_cast<qsizetype>(got));
    result.bytes = std::move(bytes);
    return result;
}

#else

BoundedFileRead ReadBoundedFile(const QString& path, qint64 maxBytes, const QString& kind) {
    BoundedFileRead result;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        result.missing = true;
        result.error = path.isEmpty() ? QStringLiteral("No %1 was named.").arg(kind)
                                      : missingMessage(path, kind);
        return result;
    }
    if (!info.isFile()) {
        const QString what =
            info.isDir() ? QStringLiteral("a folder") : QStringLiteral("not a regular file");
        result.error = notAFileMessage(path, kind, what);
        return result;
    }
    if (info.size() > maxBytes) {
        result.error = tooLargeMessage(path, kind, info.size(), maxBytes);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = cannotReadMessage(path, kind, file.errorString());
        return result;
    }
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = cannotReadMessage(path, kind, file.errorString());
        return result;
    }
    if (bytes.size() > maxBytes) {
        result.error = grewMessage(path, kind, maxBytes);
        return result;
    }
    result.bytes = std::move(bytes);
    return result;
}

#endif

}  // namespace ravemo
