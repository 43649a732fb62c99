// The journal of an in-place patch, and putting back a patch that was cut short; see journal.h.
// A journal reads: "VLJ1", the patched file's name, its size, the number of ranges, then for each
// range its offset, old bytes and new bytes, and last a CRC32 of everything before it (QDataStream,
// big-endian). It takes its name only once complete, so a journal that fails its checks was damaged
// or is for another file.
#include "record/journal.h"

#include "model/error.h"
#include "model/hex.h"
#include "model/messages.h"
#include "record/diskio.h"
#include "record/files.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QIODevice>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <zlib.h>

namespace vertiloom {

namespace {

constexpr quint32 kMagic = 0x564C4A31; // "VLJ1"
// A journal holds at most a few dozen records of some hundred bytes; anything larger is not one.
constexpr qint64 kLargestJournal = 1 << 20;

quint32 crcOf(const QByteArray& data)
{
    return static_cast<quint32>(::crc32(::crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(data.constData()),
                                        static_cast<uInt>(data.size())));
}

QByteArray canonical(const QByteArray& native)
{
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(native.constData(), nullptr), &std::free);
    return real ? QByteArray(real.get()) : QByteArray();
}

QStringList& pending()
{
    static QStringList notices;
    return notices;
}

// What a journal says.
struct Content {
    QByteArray fileName;
    qint64 fileSize = 0;
    QList<Patch> patches;
};

std::optional<Content> parse(const QByteArray& bytes)
{
    if (bytes.size() < 4)
        return std::nullopt;
    const QByteArray body = bytes.left(bytes.size() - 4);
    QDataStream crcStream(bytes.mid(bytes.size() - 4));
    quint32 crc = 0;
    crcStream >> crc;
    if (crc != crcOf(body))
        return std::nullopt;
    QDataStream in(body);
    quint32 magic = 0, count = 0;
    Content content;
    in >> magic >> content.fileName >> content.fileSize >> count;
    if (magic != kMagic || count == 0)
        return std::nullopt;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        Patch patch;
        in >> patch.offset >> patch.old >> patch.bytes;
        if (patch.old.size() != patch.bytes.size() || patch.offset < 0
            || patch.offset + patch.bytes.size() > content.fileSize)
            return std::nullopt;
        content.patches << patch;
    }
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return std::nullopt;
    return content;
}

// Whether every byte of every range holds its old or its new value: what a patch cut short leaves,
// and nothing else does.
bool cutShortPatchOf(int fd, const Content& content)
{
    for (const Patch& patch : content.patches) {
        QByteArray now;
        if (disk::readAt(fd, patch.offset, patch.bytes.size(), &now) != 0)
            return false;
        for (qsizetype i = 0; i < now.size(); ++i) {
            if (now[i] != patch.old[i] && now[i] != patch.bytes[i])
                return false;
        }
    }
    return true;
}

} // namespace

Journal::Journal(const QString& path)
{
    const QByteArray real = canonical(QFile::encodeName(path));
    if (real.isEmpty())
        return;
    folder_ = disk::folderOf(real);
    fileName_ = real.mid(real.lastIndexOf('/') + 1);
    const QByteArray hash = QCryptographicHash::hash(fileName_, QCryptographicHash::Sha1).toHex().left(16);
    path_ = folder_ + "/.vertiloom-" + hash + ".journal";
}

QString Journal::name() const { return QFile::decodeName(path_.mid(path_.lastIndexOf('/') + 1)); }

int Journal::write(qint64 fileSize, const QList<Patch>& patches) const
{
    if (path_.isEmpty())
        return ENOENT;
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << kMagic << fileName_ << fileSize << static_cast<quint32>(patches.size());
        for (const Patch& patch : patches)
            out << patch.offset << patch.old << patch.bytes;
    }
    {
        QDataStream out(&bytes, QIODevice::Append);
        out << crcOf(bytes);
    }
    const disk::Temporary temporary = disk::createTemporary(folder_);
    if (temporary.fd < 0)
        return temporary.error;
    qint64 done = 0;
    int error = disk::writeAt(temporary.fd, 0, bytes, &done, IoStep::Journal);
    if (error == 0)
        error = disk::syncToDisk(temporary.fd, IoStep::Journal);
    if (error == 0 && ::rename(temporary.path.constData(), path_.constData()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporary.path.constData());
    ::close(temporary.fd);
    if (error == 0)
        error = disk::syncFolder(folder_, IoStep::Journal);
    if (error != 0)
        ::unlink(path_.constData());
    return error;
}

int Journal::remove() const
{
    if (::unlink(path_.constData()) != 0 && errno != ENOENT)
        return errno;
    // The file is synced before this: if the removal itself is lost with the power, the next run
    // puts the old bytes back, which leaves the file whole as it was before the patch, never torn.
    disk::syncFolder(folder_, IoStep::Journal);
    return 0;
}

QString offsetRanges(const QList<Patch>& patches, const QList<qint64>& lengths)
{
    QString list;
    for (qsizetype i = 0; i < lengths.size(); ++i) {
        if (lengths[i] <= 0)
            continue;
        const QString range =
            tr("%1 to %2").arg(IntToHexText(patches[i].offset), IntToHexText(patches[i].offset + lengths[i] - 1));
        list = list.isEmpty() ? range : tr("%1 and %2").arg(list, range);
    }
    return list;
}

void addNotice(const QString& text) { pending() << text; }

QStringList takeNotices() { return std::exchange(pending(), {}); }

void recoverInterruptedWrite(const QString& path)
{
    const Journal journal(path);
    struct stat info {};
    if (journal.path().isEmpty() || ::lstat(journal.path().constData(), &info) != 0)
        return;
    // The journal of a writer that still runs is its own business: that writer holds the lock.
    std::optional<WriteLock> lock;
    try {
        lock.emplace(path, 0);
    } catch (const Error&) {
        return;
    }
    const QString shown = shownPath(path);
    std::optional<Content> content;
    {
        const int fd = ::open(journal.path().constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        QByteArray bytes;
        if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= kLargestJournal
            && disk::readAt(fd, 0, info.st_size, &bytes) == 0)
            content = parse(bytes);
        if (fd >= 0)
            ::close(fd);
    }
    // Another file's journal under the same short name is left to that file.
    if (content && content->fileName != journal.fileName())
        return;

    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    const auto cannot = [&](int error) {
        if (fd >= 0)
            ::close(fd);
        return Error(tr("A write into %1 was cut short (the program that made it ended before it was done), and "
                        "its old bytes can't be put back: %2. They are kept in %3 beside it, and the editor tries "
                        "again the next time it opens the file.")
                         .arg(shown, disk::cause(error), journal.name()));
    };
    if (fd < 0)
        throw cannot(errno);
    if (!content || ::fstat(fd, &info) != 0 || info.st_size != content->fileSize || !cutShortPatchOf(fd, *content)) {
        ::close(fd);
        journal.remove();
        addNotice(tr("%1 held the journal of a write that was cut short, but the file has changed since (or the "
                     "journal was damaged): the journal was removed and %2 was left as it is.")
                      .arg(journal.name(), shown));
        return;
    }
    QList<qint64> lengths;
    for (const Patch& patch : content->patches) {
        qint64 done = 0;
        if (const int error = disk::writeAt(fd, patch.offset, patch.old, &done, IoStep::Journal))
            throw cannot(error);
        lengths << patch.old.size();
    }
    if (const int error = disk::syncToDisk(fd, IoStep::Journal))
        throw cannot(error);
    ::close(fd);
    journal.remove();
    // A batch of letters names its span, not each of its ranges.
    qint64 first = content->patches.front().offset, end = first;
    for (const Patch& patch : content->patches) {
        first = std::min(first, patch.offset);
        end = std::max(end, patch.offset + patch.bytes.size());
    }
    const QString where = content->patches.size() <= 3 ? tr("offsets %1").arg(offsetRanges(content->patches, lengths))
                                                       : tr("%1 ranges from %2 to %3")
                                                             .arg(content->patches.size())
                                                             .arg(IntToHexText(first), IntToHexText(end - 1));
    addNotice(tr("The last write into %1 was cut short: the program that made it ended before it was done. The "
                 "bytes it had been changing (%2) were put back, so the file is as it was before that write.")
                  .arg(shown, where));
}

} // namespace vertiloom
