// The lowest floor of every write to a user's disk, shared by the whole-file saves, the in-place
// patches and their journal: bytes to a descriptor with the system's errno, syncs of files and
// folders, and the editor's temporary files. Every write and sync first asks the tests' fault seam
// (setIoFaultHook in record/writes.h).
#pragma once

#include "record/writes.h"

#include <QByteArray>
#include <QString>

namespace vertiloom::disk {

// The system's words for an errno value ("No space left on device").
QString cause(int error);
bool diskFull(int error);

// Writes data at offset; returns 0 or the errno of the failure, with *done set to the number of
// bytes that reached the file. step tells the fault seam what is being written.
int writeAt(int fd, qint64 offset, const QByteArray& data, qint64* done, IoStep step = IoStep::Write);
// Reads exactly size bytes at offset into *out; returns 0 or the errno ("the file ended early" is
// EIO).
int readAt(int fd, qint64 offset, qint64 size, QByteArray* out);
// fsync, retried on EINTR; returns 0 or the errno.
int syncToDisk(int fd, IoStep step = IoStep::Sync);
// Syncs a folder, so that a name created, replaced or removed in it survives a power loss. A file
// system that can't sync folders (EINVAL) counts as done.
int syncFolder(const QByteArray& folder, IoStep step = IoStep::Sync);

// The folder of a path and its last name, as the system's bytes ("." for a bare name).
QByteArray folderOf(const QByteArray& path);

// A new temporary file in folder, open for reading and writing, named ".vertiloom-XXXXXXXX.tmp"
// whatever the length of the name it stands in for, and locked (flock) for as long as its writer
// lives: a later run that writes into the same folder removes the ones whose writer is gone.
// Created with the permissions a new file gets (0666 less the umask).
struct Temporary {
    int fd = -1;
    QByteArray path; // empty when it could not be made
    int error = 0;   // then the errno
};
Temporary createTemporary(const QByteArray& folder);

// Whether a name is one of the editor's temporary files.
bool isTemporaryName(const QByteArray& name);

} // namespace vertiloom::disk
