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
#include <QSet>

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
    if (magic != kMagic || count == 0 || content.fileSize < 0)
        return std::nullopt;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        Patch patch;
        in >> patch.offset >> patch.old >> patch.bytes;
        // Every range lies inside the file and holds a byte at least; compared without adding, so
        // that no offset, however large, overflows.
        if (patch.old.size() != patch.bytes.size() || patch.bytes.isEmpty() || patch.offset < 0
            || patch.offset > content.fileSize - patch.bytes.size())
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
    // Only a journal that no one else may write is acted on (recoverInterruptedWrite), whatever the umask.
    if (::fchmod(temporary.fd, 0600) != 0) {
        const int error = errno;
        ::unlink(temporary.path.constData());
        ::close(temporary.fd);
        return error;
    }
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

namespace {

// Whether the user has not yet heard of this journal in this run. A journal that stays where it is
// (left alone, or one that could not be removed) is named once, however many times the file is
// opened; a new journal at the same name is another file (another inode or time).
bool firstWordAbout(const struct stat& journal)
{
    static QSet<QByteArray> told;
    const QByteArray key = QByteArray::number(static_cast<qulonglong>(journal.st_dev)) + ':'
                           + QByteArray::number(static_cast<qulonglong>(journal.st_ino)) + ':'
                           + QByteArray::number(static_cast<qlonglong>(journal.st_size)) + ':'
                           + QByteArray::number(static_cast<qlonglong>(journal.st_mtim.tv_sec)) + '.'
                           + QByteArray::number(static_cast<qlonglong>(journal.st_mtim.tv_nsec));
    if (told.contains(key))
        return false;
    told.insert(key);
    return true;
}

// Whether every byte of every range already holds its old value: the writer died before its first
// byte, or the old bytes were put back by an earlier run that could not remove the journal.
bool holdsOldBytes(int fd, const Content& content)
{
    for (const Patch& patch : content.patches) {
        QByteArray now;
        if (disk::readAt(fd, patch.offset, patch.old.size(), &now) != 0 || now != patch.old)
            return false;
    }
    return true;
}

// A descriptor closed when it goes out of scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

void recoverInterruptedWrite(const QString& path)
{
    const Journal journal(path);
    struct stat named {};
    if (journal.path().isEmpty() || ::lstat(journal.path().constData(), &named) != 0)
        return;
    // The journal of a writer that still runs is its own business: that writer holds the lock.
    std::optional<WriteLock> lock;
    try {
        lock.emplace(path, 0);
    } catch (const Error&) {
        return;
    }
    const QString shown = shownPath(path);
    // Only the user's own journal of this very file is acted on: anyone who may write into the folder
    // (one that others may write into too, such as /tmp) could have put another there, and its "old"
    // bytes would go into the image.
    const auto leaveAlone = [&](const QString& why) {
        if (firstWordAbout(named))
            addNotice(tr("%1 beside %2 may be the journal of a write that was cut short, but it was left alone: %3. "
                         "Nothing was written into %2, and it is read as it is.")
                          .arg(journal.name(), shown, why));
    };
    // The user's own journal that is damaged, or no longer matches the file, goes; the file stays
    // as it is.
    const auto passOver = [&] {
        if (const int error = journal.remove()) {
            if (firstWordAbout(named))
                addNotice(tr("%1 beside %2 is the journal of a write that was cut short, but the file has changed "
                             "since (or the journal is damaged): it was passed over and %2 was left as it is, but "
                             "the journal could not be removed: %3.")
                              .arg(journal.name(), shown, disk::cause(error)));
            return;
        }
        addNotice(tr("%1 held the journal of a write that was cut short, but the file has changed since (or the "
                     "journal was damaged): the journal was removed and %2 was left as it is.")
                      .arg(journal.name(), shown));
    };

    const uid_t user = ::geteuid();
    // Told by the name first, so that another user's journal that can't be read is named as theirs;
    // then checked again on the file opened.
    if (S_ISLNK(named.st_mode))
        return leaveAlone(tr("it is a symbolic link"));
    if (named.st_uid != user)
        return leaveAlone(tr("it belongs to another user (uid %1)").arg(named.st_uid));
    const Descriptor journalFile{::open(journal.path().constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
    struct stat info {};
    if (journalFile.fd < 0 || ::fstat(journalFile.fd, &info) != 0) {
        const int error = errno;
        return leaveAlone(error == ELOOP ? tr("it is a symbolic link")
                                         : tr("it can't be read: %1").arg(disk::cause(error)));
    }
    if (!S_ISREG(info.st_mode))
        return leaveAlone(tr("it is not a regular file"));
    if (info.st_uid != user)
        return leaveAlone(tr("it belongs to another user (uid %1)").arg(info.st_uid));
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return leaveAlone(tr("users other than its owner may write into it"));
    if (info.st_nlink != 1)
        return leaveAlone(tr("it has more than one name (hard links)"));
    // Checked against the file opened for reading only: a file that can't be written is still read.
    const Descriptor image{::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    struct stat imageInfo {};
    if (image.fd < 0 || ::fstat(image.fd, &imageInfo) != 0 || !S_ISREG(imageInfo.st_mode))
        return; // the open that follows says why
    if (imageInfo.st_uid != user)
        return leaveAlone(tr("%1 belongs to another user (uid %2)").arg(shown).arg(imageInfo.st_uid));

    std::optional<Content> content;
    QByteArray bytes;
    if (info.st_size <= kLargestJournal && disk::readAt(journalFile.fd, 0, info.st_size, &bytes) == 0)
        content = parse(bytes);
    // Another file's journal under the same short name is left to that file.
    if (content && content->fileName != journal.fileName())
        return leaveAlone(tr("it is the journal of another file"));
    if (!content || imageInfo.st_size != content->fileSize || !cutShortPatchOf(image.fd, *content))
        return passOver();

    if (holdsOldBytes(image.fd, *content)) {
        const int error = journal.remove();
        if (error == 0)
            addNotice(tr("The last write into %1 was cut short before it changed any byte (the program that made it "
                         "ended before it was done): the file is as it was before that write.")
                          .arg(shown));
        else if (firstWordAbout(named))
            addNotice(tr("%1 beside %2 is the journal of a write that was cut short. Every byte it names already "
                         "holds its old value, so nothing was written, but the journal could not be removed: %3.")
                          .arg(journal.name(), shown, disk::cause(error)));
        return;
    }

    const Descriptor writer{::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC)};
    const auto cannot = [&](int error) {
        return Error(tr("A write into %1 was cut short (the program that made it ended before it was done), and "
                        "its old bytes can't be put back: %2. They are kept in %3 beside it, and the editor tries "
                        "again the next time it opens the file.")
                         .arg(shown, disk::cause(error), journal.name()));
    };
    if (writer.fd < 0)
        throw cannot(errno);
    struct stat written {};
    if (::fstat(writer.fd, &written) != 0 || written.st_dev != imageInfo.st_dev || written.st_ino != imageInfo.st_ino)
        return; // the file was replaced in between: the next open looks again
    QList<qint64> lengths;
    for (const Patch& patch : content->patches) {
        qint64 done = 0;
        if (const int error = disk::writeAt(writer.fd, patch.offset, patch.old, &done, IoStep::Journal))
            throw cannot(error);
        lengths << patch.old.size();
    }
    if (const int error = disk::syncToDisk(writer.fd, IoStep::Journal))
        throw cannot(error);
    const int removal = journal.remove();
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
    if (removal == 0) {
        addNotice(tr("The last write into %1 was cut short: the program that made it ended before it was done. The "
                     "bytes it had been changing (%2) were put back, so the file is as it was before that write.")
                      .arg(shown, where));
        return;
    }
    // The next open finds every byte old already and says nothing more in this run.
    firstWordAbout(named);
    addNotice(tr("The last write into %1 was cut short: the program that made it ended before it was done. The "
                 "bytes it had been changing (%2) were put back, so the file is as it was before that write, but "
                 "its journal %3 could not be removed: %4.")
                  .arg(shown, where, journal.name(), disk::cause(removal)));
}

} // namespace vertiloom
