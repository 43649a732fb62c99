// Opening files with clear messages, the size rule and the Addr offset; see files.h.
#include "record/files.h"

#include "model/error.h"
#include "model/hex.h"

#include <QDir>
#include <QFileInfo>
#include <limits>

namespace vertiloom {

void openOrThrow(QFile& file, QIODevice::OpenMode mode)
{
    const QString name = QDir::toNativeSeparators(file.fileName());
    if (file.fileName().isEmpty())
        throw Error(QStringLiteral("Invalid filename"));
    const QFileInfo info(file.fileName());
    if (!info.exists())
        throw Error(QStringLiteral("File not found: %1").arg(name));
    if (info.isDir())
        throw Error(QStringLiteral("%1 is a folder, not a file.").arg(name));
    if (!file.open(mode | QIODevice::ExistingOnly)) {
        const QString cause = file.error() == QFileDevice::PermissionsError
                                  ? QStringLiteral("File access denied")
                                  : file.errorString();
        throw Error(QStringLiteral("Cannot open %1: %2").arg(name, cause));
    }
}

qint64 offsetFromAddr(const QString& addr)
{
    if (addr.isEmpty())
        throw Error(QStringLiteral("Addr is empty: enter the offset of the letter record in the ROM image "
                                   "as a hexadecimal number, such as 476E2."));
    for (const QChar c : addr) {
        const bool hex = (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
        if (!hex)
            throw Error(QStringLiteral("The offset in Addr, \"%1\", is not a hexadecimal number "
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
