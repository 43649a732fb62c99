// Writing users' files so that a failure changes nothing: a whole file is replaced only once every
// byte of the new content has reached the disk, and an in-place patch of a ROM image puts the old
// bytes back when it fails part-way. Every failure names its cause as the system gives it
// ("No space left on device"). Both go through one seam that tests use to make the disk fail.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <functional>

namespace vertiloom {

// One range of an in-place patch: the new bytes and the bytes that stand there now.
struct Patch {
    qint64 offset = 0;
    QByteArray bytes;
    QByteArray old; // as long as bytes
};

// Replaces the file at path (or creates it) with content through a temporary file beside it, which
// takes the file's place only after every byte and the sync to disk succeeded. On any failure the
// temporary file is removed and Error says why; the old file is left as it was.
void saveWholeFile(const QString& path, const QByteArray& content);

// Several files, each saved as saveWholeFile saves one; but no temporary file takes its file's place
// before every one is written and synced, so a failure until then leaves every file as it was. Only
// the last step, each temporary file taking its file's name, can fail part-way: Error then names the
// files already replaced.
struct WholeFile {
    QString path;
    QByteArray content;
};
void saveWholeFiles(const QList<WholeFile>& files);

// Writes the patches into the file (open for reading and writing) in order, then syncs it to disk.
// When a write or the sync fails, the old bytes of every range written so far are put back and
// Error says so; when that fails too, Error names the exact ranges that may have been changed.
// cantWrite is the first sentence of the message when the write fails, in the user's language and
// naming the data ("Cannot write the words into %1: %2."): its two placeholders still open take the
// file and the system's cause.
void patchFile(QFile& file, const QString& path, const QList<Patch>& patches, const QString& cantWrite);

// The seam for tests. When a hook is set, every low-level write and sync asks it first: a fault
// with a non-zero error makes the call write its first bytesBeforeFailure bytes (writes only) and
// then fail with that errno value.
enum class IoStep { Write, Sync };
struct IoFault {
    int error = 0;
    qint64 bytesBeforeFailure = 0;
};
using IoFaultHook = std::function<IoFault(IoStep step, qint64 offset, qint64 size)>;
void setIoFaultHook(IoFaultHook hook);

} // namespace vertiloom
