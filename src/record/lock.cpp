// The lock of one writer on a file; see WriteLock in writes.h. It is flock on the file itself, so
// it follows the file whatever name or link reaches it, needs no file of its own, and goes with its
// process however that ends. The system's table of locks names the process that holds it.
#include "record/writes.h"

#include "model/error.h"
#include "model/messages.h"
#include "record/diskio.h"
#include "record/files.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace vertiloom {

namespace {

struct Held {
    int fd = -1;
    int count = 0;
};

// The locks this process holds, by device and inode: flock on a second descriptor of the same file
// would wait for the first.
QHash<QByteArray, Held>& held()
{
    static QHash<QByteArray, Held> locks;
    return locks;
}

QByteArray keyOf(const struct stat& info)
{
    return QByteArray::number(static_cast<qulonglong>(info.st_dev)) + ':'
           + QByteArray::number(static_cast<qulonglong>(info.st_ino));
}

// The process that holds the flock on the file, from the system's table of locks; 0 when it can't
// be told. A line reads "12: FLOCK  ADVISORY  WRITE 4321 08:02:131090 0 EOF" (major and minor of
// the device in hexadecimal, the inode in decimal); a waiter's has "->" after the number.
qint64 holder(const struct stat& info)
{
    QFile table(QStringLiteral("/proc/locks"));
    if (!table.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray device = QByteArray::number(major(info.st_dev), 16).rightJustified(2, '0') + ':'
                              + QByteArray::number(minor(info.st_dev), 16).rightJustified(2, '0') + ':'
                              + QByteArray::number(static_cast<qulonglong>(info.st_ino));
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 6 && fields[1] == "FLOCK" && fields[3] == "WRITE" && fields[5] == device)
            return fields[4].toLongLong();
    }
    return 0;
}

} // namespace

WriteLock::WriteLock(const QString& path, int waitMs)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        throw Error(vertiloom::tr("Cannot open %1: %2").arg(shownPath(path), disk::cause(error)));
    }
    key_ = keyOf(info);
    Held& mine = held()[key_];
    if (mine.count > 0) {
        ::close(fd);
        ++mine.count;
        return;
    }
    QElapsedTimer waited;
    waited.start();
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EINTR)
            continue;
        if (error == EWOULDBLOCK && waited.elapsed() < waitMs) {
            QThread::msleep(20);
            continue;
        }
        ::close(fd);
        held().remove(key_);
        if (error != EWOULDBLOCK)
            throw Error(vertiloom::tr("Cannot lock %1 for writing: %2. Nothing was written.")
                            .arg(shownPath(path), disk::cause(error)));
        const qint64 pid = holder(info);
        throw Error(
            (pid > 0 ? vertiloom::tr("%1 is being written by another program (pid %2). Nothing was written: try again "
                                     "when it is done.")
                           .arg(shownPath(path))
                           .arg(pid)
                     : vertiloom::tr("%1 is being written by another program. Nothing was written: try again when "
                                     "it is done.")
                           .arg(shownPath(path))));
    }
    mine.fd = fd;
    mine.count = 1;
}

WriteLock::~WriteLock()
{
    auto it = held().find(key_);
    if (it == held().end() || --it->count > 0)
        return;
    ::close(it->fd); // the lock goes with the descriptor
    held().erase(it);
}

} // namespace vertiloom
