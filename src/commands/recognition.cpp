// Recognising the image the user opens: when the selected dump does not fit it and another does,
// the editor offers to switch (with the copier header's 512 bytes added to every catalogue offset
// when the image has one); when none fits, it says so once and asks once more before the first
// write into that image.
#include "commands/commands.h"

#include "model/error.h"
#include "model/messages.h"
#include "record/files.h"
#include "rom/cartridge.h"
#include "rom/catalogue.h"
#include "rom/recognition.h"

#include <QFile>
#include <QFileInfo>

namespace vertiloom {

namespace {

QString key(const QString& path) { return QFileInfo(path).canonicalFilePath(); }

} // namespace

void recogniseImage(Editor& editor, Platform& platform, const QString& path)
{
    editor.recognised.reset();
    QByteArray image;
    try {
        QFile file;
        openOrThrow(file, path, QIODevice::ReadOnly);
        image = file.readAll();
    } catch (const Error&) {
        // The load that follows reports why the file can't be read.
        return;
    }
    if (!isRomImage(image.size()))
        return;
    const Recognition recognition = recognise(image, Crc::Skip);
    editor.recognised = recognition;
    const RomVariant& selected = selectedVariant(editor.form);
    if (fitsAsSelected(recognition, selected, editor.catalogueHeader))
        return;
    if (recognition.fitting.isEmpty()) {
        editor.unrecognised.insert(key(path));
        platform.showWarning(tr("This image does not match any of the five known dumps: the catalogue offsets "
                                "may point at other data."));
        return;
    }
    const DumpMatch& best = recognition.fitting.front();
    const QString caption = QString::fromLatin1(best.variant->caption);
    const QString question = best.header != 0 ? tr("This image looks like %1 (with a 512-byte header). Switch to it?")
                                              : tr("This image looks like %1. Switch to it?");
    if (!platform.confirm(question.arg(caption), Question::SwitchDump))
        return;
    // As a click on that dump in the ROM panel would, with the header's bytes added to the offsets.
    selectVariant(editor.form, best.variant->radioButton);
    editor.catalogueHeader = best.header;
    editor.wordBytesSource = {};
    chooseVariant(editor);
}

QString romPanelHint(const Editor& editor)
{
    if (!editor.recognised)
        return {};
    Recognition shown = *editor.recognised;
    // The CRC32 and the header's checksum of the image as it is now, taken only when someone looks.
    bool stale = false;
    try {
        QFile file;
        openOrThrow(file, editor.currentRom, QIODevice::ReadOnly);
        const QByteArray image = file.readAll();
        shown.crc32 = dumpCrc32(image);
        const ChecksumCheck check = checkChecksum(image);
        stale = check.header && !check.matches;
    } catch (const Error& error) {
        shown.crc32 = error.message();
    }
    QString hint = recognitionText(shown);
    if (stale)
        hint += u'\n' + tr("The header's checksum no longer matches: vertiloom-cli checksum --fix sets it");
    return hint;
}

bool mayWriteInto(Editor& editor, Platform& platform, const QString& path)
{
    if (!editor.unrecognised.contains(key(path)))
        return true;
    if (!platform.confirm(tr("%1 does not match any of the five known dumps: the catalogue offsets may point at "
                             "other data. Write into it anyway?")
                              .arg(shownPath(path)),
                          Question::UnknownImage))
        return false;
    editor.unrecognised.remove(key(path));
    return true;
}

} // namespace vertiloom
