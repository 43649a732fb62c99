// Bytes to and from descriptors, syncs, and the editor's temporary files; see diskio.h. The bytes go
// to the descriptor directly (no buffer of Qt's in between), so that every failure is seen where it
// happens and with the system's own errno, and nothing is reported written before it is on disk.
#include "record/diskio.h"

#include <QRandomGenerator>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vertiloom {

namespace {

IoFaultHook& faultHook()
{
    static IoFaultHook hook;
    return hook;
}

} // namespace

void setIoFaultHook(IoFaultHook hook) { faultHook() = std::move(hook); }

namespace disk {

QString cause(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

bool diskFull(int error) { return error == ENOSPC || error == EDQUOT; }

int writeAt(int fd, qint64 offset, const QByteArray& data, qint64* done, IoStep step)
{
    *done = 0;
    qint64 limit = data.size();
    int injected = 0;
    if (faultHook()) {
        const IoFault fault = faultHook()(step, offset, data.size());
        if (fault.error != 0) {
            injected = fault.error;
            limit = std::clamp<qint64>(fault.bytesBeforeFailure, 0, data.size());
        }
    }
    while (*done < limit) {
        const ssize_t n = ::pwrite(fd, data.constData() + *done, static_cast<size_t>(limit - *done),
                                   static_cast<off_t>(offset + *done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        *done += n;
    }
    return injected;
}

int readAt(int fd, qint64 offset, qint64 size, QByteArray* out)
{
    out->resize(size);
    qint64 done = 0;
    while (done < size) {
        const ssize_t n =
            ::pread(fd, out->data() + done, static_cast<size_t>(size - done), static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        done += n;
    }
    return 0;
}

int syncToDisk(int fd, IoStep step)
{
    if (faultHook()) {
        const IoFault fault = faultHook()(step, 0, 0);
        if (fault.error != 0)
            return fault.error;
    }
    while (::fsync(fd) != 0) {
        if (errno != EINTR)
            return errno;
    }
    return 0;
}

int syncFolder(const QByteArray& folder, IoStep step)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int error = syncToDisk(fd, step);
    ::close(fd);
    if (error == EINVAL)
        error = 0;
    return error;
}

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    if (slash == 0)
        return QByteArrayLiteral("/");
    return path.left(slash);
}

namespace {

constexpr char kPrefix[] = ".vertiloom-";
constexpr char kSuffix[] = ".tmp";
constexpr int kRandomLength = 8;

QByteArray randomName()
{
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name(kPrefix);
    for (int i = 0; i < kRandomLength; ++i)
        name += alphabet[QRandomGenerator::global()->bounded(static_cast<int>(sizeof alphabet - 1))];
    return name + kSuffix;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Removes the temporary files of the folder whose writers are gone: a living writer holds the lock
// on its file, a killed one's lock went with it. Done once a run for each folder.
void removeAbandoned(const QByteArray& folder)
{
    static QSet<QByteArray> swept;
    if (swept.contains(folder))
        return;
    swept.insert(folder);
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!isTemporaryName(name))
            continue;
        const QByteArray path = folder + '/' + name;
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat opened {
        }, named{};
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0
            && ::lstat(path.constData(), &named) == 0 && sameFile(opened, named))
            ::unlink(path.constData());
        ::close(fd);
    }
    ::closedir(dir);
}

} // namespace

bool isTemporaryName(const QByteArray& name)
{
    const qsizetype length = static_cast<qsizetype>(sizeof kPrefix - 1 + kRandomLength + sizeof kSuffix - 1);
    if (name.size() != length || !name.startsWith(kPrefix) || !name.endsWith(kSuffix))
        return false;
    const QByteArray random = name.mid(sizeof kPrefix - 1, kRandomLength);
    return std::all_of(random.cbegin(), random.cend(),
                       [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); });
}

Temporary createTemporary(const QByteArray& folder)
{
    removeAbandoned(folder);
    Temporary temporary;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray path = folder + '/' + randomName();
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST || errno == EINTR)
                continue;
            temporary.error = errno;
            return temporary;
        }
        // Locked before anyone may take it for a killed run's: a sweep that took the lock first
        // removes the name, and then another name is tried.
        struct stat opened {
        }, named{};
        while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
        }
        if (::fstat(fd, &opened) == 0 && ::lstat(path.constData(), &named) == 0 && sameFile(opened, named)) {
            temporary.fd = fd;
            temporary.path = path;
            return temporary;
        }
        ::close(fd);
    }
    temporary.error = EEXIST;
    return temporary;
}

} // namespace disk

} // namespace vertiloom
