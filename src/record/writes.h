// Writing users' files so that a failure changes nothing: a whole file is replaced only once every
// byte of the new content has reached the disk, and an in-place patch of a ROM image keeps a journal
// of the bytes it replaces, so that the old bytes are put back when it fails part-way, and by the
// next run that opens the image when the process dies in the middle. Two writers never write into
// one image at once. Every failure names its cause as the system gives it ("No space left on
// device"). All go through one seam that tests use to make the disk fail.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace vertiloom {

// One range of an in-place patch: the new bytes and the bytes that stand there now.
struct Patch {
    qint64 offset = 0;
    QByteArray bytes;
    QByteArray old; // as long as bytes
};

// What a whole-file save does when the name it replaces is a symbolic link: Follow replaces the file
// the link leads to (a name the user chose), Refuse writes nothing and says so (a name the editor
// makes: the backup beside an image, the letter files of a folder).
enum class Links { Follow, Refuse };

// Whether a whole-file save may replace a ROM image (a file larger than kRomImageThreshold, reached
// through a link too): the output of a command never does, and is refused with nothing written. Only
// the copy of an image kept as its backup, and a replacement the user was asked about by name and
// confirmed, replace one.
enum class RomImages { Keep, Replace };

// Replaces the file at path (or creates it) with content through a temporary file in its folder
// (".vertiloom-XXXXXXXX.tmp", a short name whatever the length of path's), which takes the file's
// place only after every byte and the sync to disk succeeded; the folder is synced after, so that
// the new name survives a power loss. A file that is replaced keeps its permissions. On any failure
// the temporary file is removed and Error says why; the old file is left as it was.
void saveWholeFile(const QString& path, const QByteArray& content, Links links, RomImages images = RomImages::Keep);

// Several files, each saved as saveWholeFile saves one; but no temporary file takes its file's place
// before every one is written and synced, so a failure until then leaves every file as it was. Only
// the last step, each temporary file taking its file's name, can fail part-way: Error then names the
// files already replaced.
struct WholeFile {
    QString path;
    QByteArray content;
};
void saveWholeFiles(const QList<WholeFile>& files, Links links, RomImages images = RomImages::Keep);

// Writes the patches into the file (open for reading and writing) in order, then syncs it to disk.
// Before the first byte, the old bytes of every range are kept in a journal beside the file (synced),
// which goes once the file is synced. When a write or the sync fails, the old bytes of every range
// written so far are put back and Error says so; when that fails too, Error names the exact ranges
// that may have been changed, and the journal stays for the next run that opens the file.
// The caller holds the file's WriteLock.
// cantWrite is the first sentence of the message when the write fails, in the user's language and
// naming the data ("Cannot write the words into %1: %2."): its two placeholders still open take the
// file and the system's cause.
void patchFile(QFile& file, const QString& path, const QList<Patch>& patches, const QString& cantWrite);

// An exclusive lock on a file for one check-backup-write sequence, held until it is destroyed: a
// second writer (another run of the editor or of vertiloom-cli) waits up to waitMs for it, then
// is refused with "... is being written by another program (pid N)". Taken again in the same
// process, it is held once more. The lock is advisory (flock on the file itself): programs that
// don't ask for it are not stopped.
inline constexpr int kLockWaitMs = 2000;
class WriteLock {
public:
    explicit WriteLock(const QString& path, int waitMs = kLockWaitMs);
    ~WriteLock();
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

private:
    QByteArray key_;
};

// When the file at path has the journal of a write that was cut short (its writer died before the
// end), puts the old bytes back, removes the journal and tells the user (addNotice). Only the user's
// own journal of this file is acted on: a regular file (no link) owned by the user who runs the
// program and owns the file, that no one else may write, naming the file and its size. Anything
// else at the journal's name is left alone with a notice, and the file is read as it is. The user's
// own journal that is damaged or no longer matches the file (changed since) is removed, or passed
// over when it can't be, and the file left as it is. A journal that stays is named once a run.
// Nothing when there is none, or its writer still runs. Every open of a file (openOrThrow) asks
// this first. Throws Error when the old bytes can't be put back.
void recoverInterruptedWrite(const QString& path);

// What the editor has to tell the user that is no failure (a write cut short that was put back),
// gathered since the last call: the window shows them after each command, vertiloom-cli on stderr.
QStringList takeNotices();

// The seam for tests. When a hook is set, every low-level write and sync asks it first: a fault
// with a non-zero error makes the call write its first bytesBeforeFailure bytes (writes only) and
// then fail with that errno value. Journal is every write and sync of an in-place patch's journal,
// and those that put a journal's bytes back into its file.
enum class IoStep { Write, Sync, Journal };
struct IoFault {
    int error = 0;
    qint64 bytesBeforeFailure = 0;
};
using IoFaultHook = std::function<IoFault(IoStep step, qint64 offset, qint64 size)>;
void setIoFaultHook(IoFaultHook hook);

} // namespace vertiloom
