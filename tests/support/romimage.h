// Test inputs made by the tests: synthetic ROM images (more than 2,000,000 bytes, a varied filler
// so that any stray write shows), letter files and files in temporary folders.
#pragma once

#include <QByteArray>
#include <QString>

namespace vertiloom::test {

// Size of a synthetic ROM image unless a test asks for another: 2 MiB.
inline constexpr qsizetype kRomSize = 2'097'152;

// A ROM image of the given size whose every byte is a function of its offset.
QByteArray makeRomImage(qsizetype size = kRomSize);

// Copies bytes into the image at offset (the image must be large enough).
void putBytes(QByteArray& image, qint64 offset, const QByteArray& bytes);

// Writes the bytes to a file at path, replacing it; fails the test through qFatal when it can't.
void writeFile(const QString& path, const QByteArray& bytes);

// The whole content of a file, or an empty array when it can't be read.
QByteArray readFile(const QString& path);

// Bytes from hex text with optional blanks: "03 FD EC" gives three bytes.
QByteArray bytesFromHex(const char* hex);

} // namespace vertiloom::test
