// File access shared by the commands that read or patch files: opening with a clear message,
// the size rule that tells a ROM image from a letter file, and the offset typed into Addr.
#pragma once

#include <QFile>
#include <QString>

namespace vertiloom {

// A file larger than this is a ROM image; a smaller one (or one of exactly this size) is a letter
// file holding one record at offset 0.
inline constexpr qint64 kRomImageThreshold = 2'000'000;

inline bool isRomImage(qint64 size) { return size > kRomImageThreshold; }

// No ROM image of the game is larger than a few MiB: a larger file is refused before it is read, so
// that a mistaken choice (a disk image, a film) can't fill the memory.
inline constexpr qint64 kLargestFile = 64 * 1024 * 1024;

// A path as the user's desktop writes it, for messages.
QString shownPath(const QString& path);

// A number of bytes as messages show it: "2,097,152".
QString groupedNumber(qint64 n);

// Opens the file in the given mode or throws Error naming the file and the cause ("File not
// found", "File access denied", "... is not a regular file.", a file larger than kLargestFile).
// Never creates or truncates a file, and never blocks: a FIFO, a device or a socket is refused
// before anything is read from it. A write into the file that a killed run left half done is put
// back first (recoverInterruptedWrite).
// The QFile is opened on a descriptor and so holds no name: messages take the path given here.
void openOrThrow(QFile& file, const QString& path, QIODevice::OpenMode mode);

// The whole file at path, read through openOrThrow. Throws Error when it can't be read whole.
QByteArray readWholeFile(const QString& path);

// Throws Error when output names the same file as input (through links too): a command never writes
// its output over a file it reads.
void checkNotInput(const QString& output, const QString& input);

// An argument of a command line, as the system's bytes, that can't name a file: bytes that are no
// text in the locale's encoding (UTF-8) would come back from the program's text as other bytes, and
// a file would be read or written under another name. Empty when the bytes are fine; else the
// bytes as a message shows them, with \xNN for those that are not printable ASCII ("p\xFE.ips").
QString unnamable(const QByteArray& argument);

// The file offset written in Addr. Throws Error when Addr is empty or not a hexadecimal number
// (a "$" or "0x" prefix, a blank, a minus sign...), instead of quietly using offset 0.
qint64 offsetFromAddr(const QString& addr);

} // namespace vertiloom
