// Synthetic ROM images and files for the tests; see romimage.h.
#include "support/romimage.h"

#include <QFile>
#include <QtGlobal>

namespace vertiloom::test {

QByteArray makeRomImage(qsizetype size)
{
    QByteArray image(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        image[i] = static_cast<char>((i * 131 + (i >> 8) * 7 + 0x5A) & 0xFF);
    return image;
}

void putBytes(QByteArray& image, qint64 offset, const QByteArray& bytes)
{
    Q_ASSERT(offset >= 0 && offset + bytes.size() <= image.size());
    std::copy(bytes.cbegin(), bytes.cend(), image.begin() + offset);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray bytesFromHex(const char* hex) { return QByteArray::fromHex(QByteArray(hex).replace(' ', "")); }

} // namespace vertiloom::test
