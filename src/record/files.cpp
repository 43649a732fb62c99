// Opening files with clear messages, the size rule and the Addr offset; see files.h.
#include "record/files.h"

#include "model/error.h"
#include "model/hex.h"
#include "model/messages.h"
#include "record/writes.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace vertiloom {

QString shownPath(const QString& path) { return QDir::toNativeSeparators(path); }

QString groupedNumber(qint64 n) { return QLocale(QLocale::English, QLocale::UnitedStates).toString(n); }

void openOrThrow(QFile& file, const QString& path, QIODevice::OpenMode mode)
{
    const QString name = shownPath(path);
    if (path.isEmpty())
        throw Error(tr("Invalid filename"));
    const auto refuse = [&name](int error) -> Error {
        if (error == ENOENT)
            return Error(tr("File not found: %1").arg(name));
        if (error == EISDIR)
            return Error(tr("%1 is a folder, not a file.").arg(name));
        if (error == EACCES || error == EPERM || error == EROFS)
            return Error(tr("Cannot open %1: File access denied").arg(name));
        return Error(tr("Cannot open %1: %2").arg(name, QString::fromLocal8Bit(std::strerror(error))));
    };
    const auto notRegular = [&name](const struct stat& info) -> std::optional<Error> {
        if (S_ISDIR(info.st_mode))
            return Error(tr("%1 is a folder, not a file.").arg(name));
        if (!S_ISREG(info.st_mode))
            return Error(tr("%1 is not a regular file.").arg(name));
        if (info.st_size > kLargestFile)
            return Error(tr("%1 is %2 bytes: no ROM image of the game is that large, and the editor reads files "
                            "of at most 64 MiB (%3 bytes).")
                             .arg(name, groupedNumber(info.st_size), groupedNumber(kLargestFile)));
        return std::nullopt;
    };

    // A FIFO without a writer or a device would block the open or the reads for ever: look before
    // opening, and open without blocking so that a file swapped in between is caught by fstat.
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0)
        throw refuse(errno);
    if (auto error = notRegular(info))
        throw *error;
    recoverInterruptedWrite(path);
    const int flags = ((mode & QIODevice::WriteOnly) ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC;
    int fd = -1;
    do
        fd = ::open(native.constData(), flags);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        throw refuse(errno);
    if (::fstat(fd, &info) != 0 || notRegular(info) || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK & ~O_CLOEXEC) != 0) {
        const int error = errno;
        ::close(fd);
        if (auto refusal = notRegular(info))
            throw *refusal;
        throw refuse(error);
    }
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw Error(tr("Cannot open %1: %2").arg(name, file.errorString()));
    }
}

QByteArray readWholeFile(const QString& path)
{
    QFile file;
    openOrThrow(file, path, QIODevice::ReadOnly);
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError || content.size() != file.size())
        throw Error(tr("Cannot read %1: %2").arg(shownPath(path), file.errorString()));
    return content;
}

void checkNotInput(const QString& output, const QString& input)
{
    const QString target = QFileInfo(output).canonicalFilePath();
    if (!target.isEmpty() && target == QFileInfo(input).canonicalFilePath())
        throw Error(tr("%1 is the file being read: write the output elsewhere.").arg(shownPath(output)));
}

QString unnamable(const QByteArray& argument)
{
    if (QFile::encodeName(QFile::decodeName(argument)) == argument)
        return {};
    QString shown;
    for (const char c : argument) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte >= 0x20 && byte < 0x7F
                     ? QString(QLatin1Char(c))
                     : QStringLiteral("\\x") + QString::number(byte, 16).rightJustified(2, u'0').toUpper();
    }
    return shown;
}

qint64 offsetFromAddr(const QString& addr)
{
    if (addr.isEmpty())
        throw Error(tr("Addr is empty: enter the offset of the letter record in the ROM image "
                       "as a hexadecimal number, such as 476E2."));
    for (const QChar c : addr) {
        const bool hex = (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
        if (!hex)
            throw Error(tr("The offset in Addr, \"%1\", is not a hexadecimal number "
                           "(only the digits 0-9 and A-F, such as 476E2).")
                            .arg(addr));
    }
    QString digits = addr;
    while (digits.size() > 1 && digits.startsWith(u'0'))
        digits.remove(0, 1);
    // More than eight digits lies beyond any ROM image; HexToInt would wrap such a text.
    if (digits.size() > 8)
        return std::numeric_limits<qint64>::max();
    return static_cast<qint64>(static_cast<std::uint32_t>(HexToInt(digits)));
}

} // namespace vertiloom
