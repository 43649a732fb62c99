// The journal of an in-place patch: a small file beside the patched file that holds the old and the
// new bytes of every range, written and synced before the first byte of the file changes and removed
// once the file is synced. While it is there, the patch may be half done: the next run that opens
// the file puts the old bytes back (recoverInterruptedWrite in writes.h). Only its owner may write it.
#pragma once

#include "record/writes.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace vertiloom {

class Journal {
public:
    // The journal of the file at path: ".vertiloom-<16 hex digits>.journal" in the folder of the file
    // that path leads to (a short name whatever the length of the file's, the same for every link).
    explicit Journal(const QString& path);

    // Writes the journal of the patches into a file of fileSize bytes, through a temporary file that
    // takes its name once synced; the folder is synced after. Returns 0 or the errno.
    int write(qint64 fileSize, const QList<Patch>& patches) const;
    // Removes the journal and syncs the folder. Returns 0 or the errno of the removal.
    int remove() const;
    // Its name, for messages.
    QString name() const;
    // Its full path; empty when the file's folder can't be told (the file is gone).
    const QByteArray& path() const { return path_; }
    // The name of the file it is for, as the system's bytes.
    const QByteArray& fileName() const { return fileName_; }

private:
    QByteArray path_;
    QByteArray folder_;
    QByteArray fileName_;
};

// "476E2 to 476E6 and CC60 to CC64": the ranges of the patches, each as long as its length.
QString offsetRanges(const QList<Patch>& patches, const QList<qint64>& lengths);

// Adds a text to what takeNotices() gives.
void addNotice(const QString& text);

} // namespace vertiloom
