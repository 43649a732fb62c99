// Safe whole-file saves and in-place patches with their way back; see writes.h. The bytes go to the
// file descriptor directly (no buffer of Qt's in between), so that every failure is seen where it
// happens and with the system's own errno, and nothing is reported written before it is on disk.
#include "record/writes.h"

#include "model/error.h"
#include "model/hex.h"
#include "model/messages.h"
#include "record/files.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace vertiloom {

namespace {

IoFaultHook& faultHook()
{
    static IoFaultHook hook;
    return hook;
}

QString cause(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

bool diskFull(int error) { return error == ENOSPC || error == EDQUOT; }

// Writes data at offset; returns 0 or the errno of the failure, with *done set to the number of
// bytes that reached the file.
int writeAt(int fd, qint64 offset, const QByteArray& data, qint64* done)
{
    *done = 0;
    qint64 limit = data.size();
    int injected = 0;
    if (faultHook()) {
        const IoFault fault = faultHook()(IoStep::Write, offset, data.size());
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

int syncToDisk(int fd)
{
    if (faultHook()) {
        const IoFault fault = faultHook()(IoStep::Sync, 0, 0);
        if (fault.error != 0)
            return fault.error;
    }
    while (::fsync(fd) != 0) {
        if (errno != EINTR)
            return errno;
    }
    return 0;
}

// Whether the file now holds expected at offset.
bool holds(int fd, qint64 offset, const QByteArray& expected)
{
    QByteArray actual(expected.size(), '\0');
    qint64 done = 0;
    while (done < actual.size()) {
        const ssize_t n = ::pread(fd, actual.data() + done, static_cast<size_t>(actual.size() - done),
                                  static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return actual == expected;
}

QString ranges(const QList<Patch>& patches, const QList<qint64>& written)
{
    QString list;
    for (qsizetype i = 0; i < written.size(); ++i) {
        if (written[i] <= 0)
            continue;
        const QString range = tr("%1 to %2").arg(IntToHexText(patches[i].offset),
                                                 IntToHexText(patches[i].offset + written[i] - 1));
        list = list.isEmpty() ? range : tr("%1 and %2").arg(list, range);
    }
    return list;
}

} // namespace

void setIoFaultHook(IoFaultHook hook) { faultHook() = std::move(hook); }

namespace {

// One file of a whole-file save, written to its temporary file beside it.
class StagedFile {
public:
    StagedFile(const QString& path, const QByteArray& content) : path_(path), file_(path)
    {
        const QFileInfo target(path);
        const bool existed = target.exists();
        if (existed && !target.isFile())
            throw Error(tr("%1 is not a regular file: it was left as it was.").arg(shownPath(path)));
        leftAlone_ = existed ? tr("%1 was left as it was.").arg(shownPath(path)) : tr("%1 was not created.").arg(shownPath(path));
        if (!file_.open(QIODevice::WriteOnly))
            throw Error(tr("Cannot write %1: %2. %3").arg(shownPath(path), file_.errorString(), leftAlone_));
        qint64 done = 0;
        check(writeAt(file_.handle(), 0, content, &done));
    }

    // Lets the system start writing the bytes out, so that the syncs of many files overlap.
    void startWriteBack() { ::sync_file_range(file_.handle(), 0, 0, SYNC_FILE_RANGE_WRITE); }
    void sync() { check(syncToDisk(file_.handle())); }

    // The temporary file takes the file's place.
    void commit()
    {
        if (!file_.commit())
            throw Error(tr("Cannot write %1: %2. %3").arg(shownPath(path_), file_.errorString(), leftAlone_));
    }

private:
    void check(int error)
    {
        if (error == 0)
            return;
        file_.cancelWriting(); // the temporary file goes with the QSaveFile
        if (diskFull(error))
            throw Error(tr("The disk is full: %1").arg(leftAlone_));
        throw Error(tr("Cannot write %1: %2. %3").arg(shownPath(path_), cause(error), leftAlone_));
    }

    QString path_;
    QString leftAlone_;
    QSaveFile file_;
};

} // namespace

void saveWholeFile(const QString& path, const QByteArray& content)
{
    StagedFile file(path, content);
    file.sync();
    file.commit();
}

void saveWholeFiles(const QList<WholeFile>& files)
{
    // A temporary file that has not taken its file's place is removed with its StagedFile.
    std::vector<std::unique_ptr<StagedFile>> staged;
    try {
        for (const WholeFile& file : files)
            staged.push_back(std::make_unique<StagedFile>(file.path, file.content));
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
            throw Error(tr("%1 These files were written before it: %2.").arg(error.message(), replaced.join(QStringLiteral(", "))));
        }
        replaced << shownPath(files[static_cast<qsizetype>(i)].path);
    }
}

void patchFile(QFile& file, const QString& filePath, const QList<Patch>& patches, const QString& cantWrite)
{
    const int fd = file.handle();
    const QString path = shownPath(filePath);
    QList<qint64> written;
    int error = 0;
    for (const Patch& patch : patches) {
        Q_ASSERT(patch.old.size() == patch.bytes.size());
        qint64 done = 0;
        error = writeAt(fd, patch.offset, patch.bytes, &done);
        written << done;
        if (error != 0)
            break;
    }
    const bool allWritten = error == 0;
    if (allWritten)
        error = syncToDisk(fd);
    if (error == 0)
        return;

    const QString failure = cantWrite.arg(path, cause(error));
    if (!allWritten && std::all_of(written.cbegin(), written.cend(), [](qint64 n) { return n == 0; }))
        throw Error(tr("%1 Nothing was written.").arg(failure));
    int restoreError = 0;
    for (qsizetype i = 0; i < written.size() && restoreError == 0; ++i) {
        qint64 done = 0;
        restoreError = writeAt(fd, patches[i].offset, patches[i].old.left(written[i]), &done);
    }
    if (restoreError == 0)
        restoreError = syncToDisk(fd);
    for (qsizetype i = 0; i < written.size() && restoreError == 0; ++i) {
        if (!holds(fd, patches[i].offset, patches[i].old.left(written[i])))
            restoreError = EIO;
    }
    if (restoreError == 0)
        throw Error(tr("%1 The bytes that were there before were put back: the file is as it was.")
                        .arg(failure));
    throw Error(tr("%1 Putting the old bytes back failed too (%2): offsets %3 of %4 may have "
                   "been changed.")
                    .arg(failure, cause(restoreError), ranges(patches, written), path));
}

} // namespace vertiloom
