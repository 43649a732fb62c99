// Setting the checksum of the cartridge header to the image's own, when the user asks for it.
#include "commands/commands.h"

#include "model/error.h"
#include "model/messages.h"
#include "record/files.h"
#include "record/writes.h"
#include "rom/cartridge.h"

#include <QFile>

namespace vertiloom {

std::optional<CartridgeHeader> fixChecksum(Editor& editor, const QString& path)
{
    // The image is summed under its lock, which the write below takes again: no other writer changes
    // it between the sum and the write, so the checksum written is that of the bytes it goes into.
    const WriteLock lock(path);
    QByteArray image;
    {
        // Opened for writing, so that a file that can't be written is refused before it is summed.
        QFile file;
        openOrThrow(file, path, QIODevice::ReadWrite);
        image = file.readAll();
        if (file.error() != QFileDevice::NoError || image.size() != file.size())
            throw Error(tr("Cannot read %1: %2").arg(shownPath(path), file.errorString()));
    }
    const ChecksumCheck check = checkChecksum(image);
    if (!check.header)
        throw Error(tr("%1 has no cartridge header at 7FC0 or FFC0: there is no checksum to set. Nothing was written.")
                        .arg(shownPath(path)));
    if (check.matches)
        return std::nullopt;
    const Patch patch = checksumPatch(image, *check.header);
    patchIntoRom(editor, path, {patch}, tr("Cannot write the header's checksum into %1: %2."));
    image.replace(patch.offset, patch.bytes.size(), patch.bytes);
    return findCartridgeHeader(image);
}

} // namespace vertiloom
