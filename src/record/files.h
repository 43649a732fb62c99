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

// Opens the file in the given mode or throws Error naming the file and the cause ("File not
// found", "File access denied", ...). Never creates or truncates a file.
void openOrThrow(QFile& file, QIODevice::OpenMode mode);

// The file offset written in Addr. Throws Error when Addr is empty or not a hexadecimal number
// (a "$" or "0x" prefix, a blank, a minus sign...), instead of quietly using offset 0.
qint64 offsetFromAddr(const QString& addr);

} // namespace vertiloom
