// Safe whole-file saves and in-place patches with their way back; see writes.h. The bytes go through
// the descriptors of record/diskio.h, so that every failure is seen where it happens, with the
// system's own errno.
#include "record/writes.h"

#include "model/error.h"
#include "model/hex.h"
#include "model/messages.h"
#include "record/diskio.h"
#include "record/files.h"
#include "record/journal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vertiloom {

using disk::cause;
using disk::diskFull;

namespace {

// Where a whole-file save writes: the name given, or with Links::Follow the file a symbolic link
// leads to (also one that does not exist yet). Throws Error for a link with Links::Refuse and for
// anything there that is not a regular file.
QByteArray target(const QString& path, Links links, const QString& leftAlone)
{
    QByteArray native = QFile::encodeName(path);
    for (int depth = 0;; ++depth) {
        struct stat info {};
        if (::lstat(native.constData(), &info) != 0)
            return native; // a new file, or the open of its temporary file says why not
        if (!S_ISLNK(info.st_mode)) {
            if (!S_ISREG(info.st_mode))
                throw Error(
                    tr("%1 is not a regular file: it was left as it was.").arg(shownPath(QFile::decodeName(native))));
            return native;
        }
        if (links == Links::Refuse)
            throw Error(tr("%1 is a symbolic link, and the editor writes this file only as a file of its own. %2")
                            .arg(shownPath(path), leftAlone));
        if (depth == 40)
            throw Error(tr("Cannot write %1: %2. %3").arg(shownPath(path), cause(ELOOP), leftAlone));
        QByteArray link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(native.constData(), link.data(), static_cast<size_t>(link.size()));
        if (n < 0)
            throw Error(tr("Cannot write %1: %2. %3").arg(shownPath(path), cause(errno), leftAlone));
        link.truncate(n);
        native = link.startsWith('/') ? link : disk::folderOf(native) + '/' + link;
    }
}

// Refuses to replace the file at target (where path leads) when it is a ROM image: a command's
// output written over an image would lose the whole game, and there is no backup of it.
void keepRomImage(const QString& path, const QByteArray& target)
{
    struct stat info {};
    if (::stat(target.constData(), &info) != 0 || !S_ISREG(info.st_mode) || !isRomImage(info.st_size))
        return;
    const QString size = groupedNumber(info.st_size);
    if (target == QFile::encodeName(path))
        throw Error(tr("%1 is a ROM image of %2 bytes, and an output never replaces a ROM image: nothing was "
                       "written. Give the output another name.")
                        .arg(shownPath(path), size));
    throw Error(tr("%1 leads to %2, a ROM image of %3 bytes, and an output never replaces a ROM image: nothing "
                   "was written. Give the output another name.")
                    .arg(shownPath(path), shownPath(QDir::cleanPath(QFile::decodeName(target))), size));
}

// One file of a whole-file save, written to its temporary file in the file's folder.
class StagedFile {
public:
    StagedFile(const QString& path, const QByteArray& content, Links links, RomImages images) : path_(path)
    {
        if (path.isEmpty())
            throw Error(vertiloom::tr("Invalid filename"));
        const bool existed = QFileInfo::exists(path) || QFileInfo(path).isSymLink();
        leftAlone_ = existed ? vertiloom::tr("%1 was left as it was.").arg(shownPath(path))
                             : vertiloom::tr("%1 was not created.").arg(shownPath(path));
        target_ = target(path, links, leftAlone_);
        if (images == RomImages::Keep)
            keepRomImage(path, target_);
        folder_ = disk::folderOf(target_);
        temporary_ = disk::createTemporary(folder_);
        if (temporary_.fd < 0)
            fail(temporary_.error);
        // A file that is replaced keeps who may read and write it.
        struct stat old {};
        if (::stat(target_.constData(), &old) == 0 && ::fchmod(temporary_.fd, old.st_mode & 07777) != 0)
            fail(errno);
        qint64 done = 0;
        check(disk::writeAt(temporary_.fd, 0, content, &done));
    }
    ~StagedFile() { discard(); }
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Lets the system start writing the bytes out, so that the syncs of many files overlap.
    void startWriteBack() { ::sync_file_range(temporary_.fd, 0, 0, SYNC_FILE_RANGE_WRITE); }
    void sync() { check(disk::syncToDisk(temporary_.fd)); }

    // The temporary file takes the file's place.
    void commit()
    {
        if (::rename(temporary_.path.constData(), target_.constData()) != 0)
            check(errno);
        committed_ = true;
    }
    // After commit: the folder keeps the new name through a power loss.
    void syncFolder()
    {
        if (const int error = disk::syncFolder(folder_))
            throw Error(
                vertiloom::tr("%1 was written, but its folder could not be synced to the disk: %2. After a power "
                              "loss the old file may be back.")
                    .arg(shownPath(path_), cause(error)));
    }
    const QByteArray& folder() const { return folder_; }

private:
    void check(int error)
    {
        if (error != 0)
            fail(error);
    }
    // The temporary file goes unless it took the file's place; the lock on it goes with it.
    void discard()
    {
        if (temporary_.fd < 0)
            return;
        if (!committed_)
            ::unlink(temporary_.path.constData());
        ::close(temporary_.fd);
        temporary_.fd = -1;
    }
    [[noreturn]] void fail(int error)
    {
        discard(); // also when the constructor fails, which no destructor follows
        if (diskFull(error))
            throw Error(vertiloom::tr("The disk is full: %1").arg(leftAlone_));
        throw Error(vertiloom::tr("Cannot write %1: %2. %3").arg(shownPath(path_), cause(error), leftAlone_));
    }

    QString path_;
    QString leftAlone_;
    QByteArray target_;
    QByteArray folder_;
    disk::Temporary temporary_;
    bool committed_ = false;
};

} // namespace

void saveWholeFile(const QString& path, const QByteArray& content, Links links, RomImages images)
{
    StagedFile file(path, content, links, images);
    file.sync();
    file.commit();
    file.syncFolder();
}

void saveWholeFiles(const QList<WholeFile>& files, Links links, RomImages images)
{
    // A temporary file that has not taken its file's place is removed with its StagedFile.
    std::vector<std::unique_ptr<StagedFile>> staged;
    try {
        for (const WholeFile& file : files)
            staged.push_back(std::make_unique<StagedFile>(file.path, file.content, links, images));
        for (const auto& file : staged)
            file->startWriteBack();
        for (const auto& file : staged)
            file->sync();
    } catch (const Error& error) {
        throw Error(tr("%1 None of the %2 files was written.").arg(error.message()).arg(files.size()));
    }
    QStringList replaced;
    for (size_t i = 0; i < staged.size(); ++i) {
        try {
            staged[i]->commit();
        } catch (const Error& error) {
            if (replaced.isEmpty())
                throw Error(tr("%1 None of the %2 files was written.").arg(error.message()).arg(files.size()));
            throw Error(tr("%1 These files were written before it: %2.")
                            .arg(error.message(), replaced.join(QStringLiteral(", "))));
        }
        replaced << shownPath(files[static_cast<qsizetype>(i)].path);
    }
    QSet<QByteArray> folders;
    for (const auto& file : staged) {
        if (!folders.contains(file->folder()))
            file->syncFolder();
        folders.insert(file->folder());
    }
}

void patchFile(QFile& file, const QString& filePath, const QList<Patch>& patches, const QString& cantWrite)
{
    const int fd = file.handle();
    const QString path = shownPath(filePath);
    const Journal journal(filePath);
    if (const int error = journal.write(file.size(), patches))
        throw Error(
            tr("%1 Nothing was written.")
                .arg(cantWrite.arg(
                    path, tr("its journal %1 could not be written beside it: %2").arg(journal.name(), cause(error)))));

    QList<qint64> written;
    int error = 0;
    for (const Patch& patch : patches) {
        Q_ASSERT(patch.old.size() == patch.bytes.size());
        qint64 done = 0;
        error = disk::writeAt(fd, patch.offset, patch.bytes, &done);
        written << done;
        if (error != 0)
            break;
    }
    const bool allWritten = error == 0;
    if (allWritten)
        error = disk::syncToDisk(fd);
    // The patch is done only once its journal is gone: a journal left behind would take it back.
    if (error == 0)
        error = journal.remove();
    if (error == 0)
        return;

    const QString failure = cantWrite.arg(path, cause(error));
    if (!allWritten && std::all_of(written.cbegin(), written.cend(), [](qint64 n) { return n == 0; })) {
        journal.remove();
        throw Error(tr("%1 Nothing was written.").arg(failure));
    }
    int restoreError = 0;
    for (qsizetype i = 0; i < written.size() && restoreError == 0; ++i) {
        qint64 done = 0;
        restoreError = disk::writeAt(fd, patches[i].offset, patches[i].old.left(written[i]), &done);
    }
    if (restoreError == 0)
        restoreError = disk::syncToDisk(fd);
    for (qsizetype i = 0; i < written.size() && restoreError == 0; ++i) {
        QByteArray now;
        if (disk::readAt(fd, patches[i].offset, written[i], &now) != 0 || now != patches[i].old.left(written[i]))
            restoreError = EIO;
    }
    if (restoreError == 0) {
        journal.remove();
        throw Error(tr("%1 The bytes that were there before were put back: the file is as it was.").arg(failure));
    }
    throw Error(tr("%1 Putting the old bytes back failed too (%2): offsets %3 of %4 may have been changed. Their "
                   "old bytes are kept beside it, and the editor puts them back the next time it opens the file.")
                    .arg(failure, cause(restoreError), offsetRanges(patches, written), path));
}

} // namespace vertiloom
