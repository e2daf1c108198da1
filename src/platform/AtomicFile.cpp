#include "platform/AtomicFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trelvan {
namespace {

// The file a write to `path` has to replace: the target of a symbolic link,
// so that renaming over it does not turn the link into a plain file.
QString replacedFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink())
        return info.absoluteFilePath();
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? info.symLinkTarget() : target; // empty: dangling link
}

// The permission bits decide, not just the system's answer: root may write to
// anything, but a file the operator has made read-only must stay untouched.
bool writableByBits(const struct stat& status) {
    return (status.st_mode & S_IWUSR) != 0;
}

bool folderAcceptsNewFiles(const QByteArray& folder) {
    struct stat status {};
    if (stat(folder.constData(), &status) != 0 || !S_ISDIR(status.st_mode))
        return false;
    return writableByBits(status) && access(folder.constData(), W_OK | X_OK) == 0;
}

mode_t defaultFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// Makes the rename itself durable.
void syncFolder(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool writeFileAtomically(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty())
        return false;
    const QString target = replacedFile(path);
    const QByteArray targetName = QFile::encodeName(target);
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());

    mode_t mode = defaultFileMode();
    struct stat old {};
    const bool exists = ::stat(targetName.constData(), &old) == 0;
    if (exists) {
        if (!S_ISREG(old.st_mode) || !writableByBits(old) ||
            access(targetName.constData(), W_OK) != 0)
            return false;
        mode = old.st_mode & 07777;
    }
    if (!folderAcceptsNewFiles(folder))
        return false;

    QByteArray temporary =
        folder + '/' + '.' + QFile::encodeName(QFileInfo(target).fileName()) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = ::fchmod(fd, mode) == 0;
    if (ok && exists && geteuid() == 0 && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Keeping the owner is a courtesy; the content matters more.
    }
    ok = ok && writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.constData(), targetName.constData()) == 0;
    if (!ok) {
        ::unlink(temporary.constData());
        return false;
    }
    syncFolder(folder);
    return true;
}

} // namespace trelvan
