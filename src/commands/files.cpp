// The commands that read or write the user's files: open and reload a letter, and the two file
// exports. Everything is checked before a byte is written: the memo must be one letter record,
// Addr an offset inside the image, and a longer record is written only when the user agrees to
// overwrite what follows the old one.
#include "commands/commands.h"

#include "model/error.h"
#include "model/hex.h"
#include "model/messages.h"
#include "record/export.h"
#include "record/files.h"
#include "record/load.h"
#include "record/writes.h"

#include <QFile>
#include <QFileInfo>

namespace vertiloom {

void applyRecord(Editor& editor, const LetterRecord& record, bool reload)
{
    putRecord(editor.form, record, reload);
    HeldTails tails = heldTails(record);
    editor.letterTail = tails.letter;
    editor.polygonTails = tails.polygons;
    start(editor);
    markSaved(editor);
}

namespace {

// A letter read from the current file at Addr: the fields, and where they came from.
void applyRecordFromFile(Editor& editor, const LetterRecord& record, bool reload)
{
    applyRecord(editor, record, reload);
    editor.loadedFrom = {editor.form.text(FieldId::addr()), editor.cataloguePosition};
}

void loadFile(Editor& editor, Platform& platform, const QString& path)
{
    recogniseImage(editor, platform, path);
    editor.currentRom = path;
    editor.openedAs = {path, isRomImage(QFileInfo(path).size())};
    applyRecordFromFile(editor, readLetterFile(path, editor.form.text(FieldId::addr())), false);
}

} // namespace

void openLetter(Editor& editor, Platform& platform)
{
    if (!mayDiscardChanges(editor, platform))
        return;
    const std::optional<QString> path = platform.openFileName(QLatin1String(kOpenFilter));
    if (!path)
        return;
    loadFile(editor, platform, *path);
}

void openDroppedFile(Editor& editor, Platform& platform, const QString& path)
{
    if (!mayDiscardChanges(editor, platform))
        return;
    loadFile(editor, platform, path);
}

namespace {

// Reload, with or without the question before unsaved changes go (the caller may have asked it).
void reload(Editor& editor, Platform& platform, bool askFirst)
{
    if (editor.currentRom.isEmpty())
        throw Error(tr("No file has been opened yet: choose a ROM image with \"Open file\" first."));
    // The size rule decides how the file is read; when the file crossed the line since it was
    // opened (cut short, or overwritten by a letter file), say so before reading it the other way.
    const QFileInfo info(editor.currentRom);
    const bool romImage = isRomImage(info.size());
    if (info.isFile() && editor.openedAs.path == editor.currentRom && editor.openedAs.romImage != romImage) {
        const QString question =
            (romImage ? tr("%1 is now %2 bytes: it will be read as a ROM image, at the offset in Addr. Load it?")
                      : tr("%1 is now %2 bytes: it will be read as a letter file from its start. Load it?"))
                .arg(shownPath(editor.currentRom), groupedNumber(info.size()));
        if (!platform.confirm(question, Question::LoadOtherKind))
            return;
        editor.openedAs.romImage = romImage;
    }
    if (askFirst && !mayDiscardChanges(editor, platform))
        return;
    applyRecordFromFile(editor, readLetterFile(editor.currentRom, editor.form.text(FieldId::addr())), true);
}

} // namespace

void reloadLetter(Editor& editor, Platform& platform) { reload(editor, platform, true); }

void openCatalogueLetter(Editor& editor, Platform& platform, int position)
{
    if (!mayDiscardChanges(editor, platform))
        return;
    goToLetter(editor, position);
    reload(editor, platform, false);
}

void saveLetterAs(Editor& editor, Platform& platform, const char* filter, const QByteArray& bytes,
                  const std::function<bool(const QString& path)>& mayReplace)
{
    // The dialog does not ask before overwriting: mayReplace's question names what would be lost.
    const std::optional<QString> path = platform.saveFileName(QLatin1String(filter), false, QString());
    if (!path) {
        platform.beep();
        return;
    }
    if (path->isEmpty())
        throw Error(tr("Invalid filename"));
    if (!mayReplace(*path))
        return;
    // The user chose the name: a symbolic link leads to the file to replace. A ROM image there is
    // replaced only when mayReplace asked about it by name and the user said yes.
    saveWholeFile(*path, bytes, Links::Follow, RomImages::Replace);
    markSaved(editor);
    platform.beep();
}

void exportLetterToFile(Editor& editor, Platform& platform)
{
    const QByteArray bytes = memoRecord(editor.form.text(FieldId::memo()));
    saveLetterAs(editor, platform, kLetterFileFilter, bytes,
                 [&](const QString& path) { return mayWriteLetterFile(platform, path, bytes); });
}

bool mayWriteLetterFile(Platform& platform, const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path);
    if (!target.exists() || !target.isFile())
        return true;
    const bool romImage =
        isRomImage(target.size()) || target.suffix().compare(QLatin1String("smc"), Qt::CaseInsensitive) == 0;
    const QString question = romImage
                                 ? tr("%1 is a ROM image of %2 bytes. Replace the whole image with this %3-byte "
                                      "letter file?")
                                       .arg(shownPath(path), groupedNumber(target.size()), groupedNumber(bytes.size()))
                                 : tr("%1 already exists. Replace it with this %2-byte letter file?")
                                       .arg(shownPath(path), groupedNumber(bytes.size()));
    return platform.confirm(question, romImage ? Question::ReplaceRomImage : Question::ReplaceLetterFile);
}

void exportLetterToRom(Editor& editor, Platform& platform)
{
    // An invalid record or Addr is refused before the dialog opens.
    memoRecord(editor.form.text(FieldId::memo()));
    offsetFromAddr(editor.form.text(FieldId::addr()));
    // The dialog starts on the ROM image that is open, so that accepting it writes there.
    const bool imageOpen =
        !editor.currentRom.isEmpty() && editor.openedAs.path == editor.currentRom && editor.openedAs.romImage;
    const std::optional<QString> path =
        platform.saveFileName(QLatin1String(kRomFilter), false, imageOpen ? editor.currentRom : QString());
    if (!path) {
        platform.beep();
        return;
    }
    const std::optional<Patch> patch = planLetterToRom(editor, platform, *path);
    if (!patch || !writeIntoRom(editor, platform, *path, {*patch}))
        return;
    markSaved(editor);
    platform.beep();
}

void checkRecordFits(qsizetype length, qint64 offset, qint64 size, const QString& path)
{
    if (offset >= size || length > size - offset)
        throw Error(tr("The record of %1 bytes does not fit at offset %2 of %3: the file is only %4 bytes long. "
                       "Nothing was written.")
                        .arg(QString::number(length), IntToHexText(offset), shownPath(path), QString::number(size)));
}

RecordThere recordThere(const QByteArray& old, qint64 offset)
{
    try {
        qsizetype length = 0;
        parseRecord(old, 0, offset, &length);
        return {length, QString()};
    } catch (const Error& error) {
        return {0, error.message()};
    }
}

std::optional<Patch> planLetterToRom(Editor& editor, Platform& platform, const QString& path)
{
    const QByteArray bytes = memoRecord(editor.form.text(FieldId::memo()));
    const qint64 offset = offsetFromAddr(editor.form.text(FieldId::addr()));
    // Opened for writing, so that a file that can't be written is refused before any question.
    QFile file;
    openOrThrow(file, path, QIODevice::ReadWrite);
    checkRecordFits(bytes.size(), offset, file.size(), path);
    const QString at = IntToHexText(offset);
    const QString shown = shownPath(path);
    const QString length = QString::number(bytes.size());

    QByteArray old;
    if (file.seek(offset))
        old = file.read(kMaxRecordSize);
    if (old.size() < bytes.size())
        throw Error(tr("Cannot read offset %1 of %2: %3. Nothing was written.")
                        .arg(at, shown,
                             file.error() != QFileDevice::NoError ? file.errorString() : tr("the file ended early")));
    QString question;
    Question about = Question::LongerRecord;
    const RecordThere there = recordThere(old, offset);
    if (!there.unreadable.isEmpty()) {
        about = Question::NoRecordThere;
        question = tr("No letter record can be read at offset %1 of %2 (%3). Writing the new record overwrites "
                      "the %4 bytes there. Write it anyway?")
                       .arg(at, shown, there.unreadable, length);
    } else if (bytes.size() > there.length) {
        const qsizetype over = bytes.size() - there.length;
        const QString was = QString::number(there.length);
        question = over == 1 ? tr("The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes, "
                                  "so the 1 byte after the old record will be overwritten. Write it anyway?")
                                   .arg(at, shown, was, length)
                             : tr("The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes, "
                                  "so the %5 bytes after the old record will be overwritten. Write it anyway?")
                                   .arg(at, shown, was, length, QString::number(over));
    }
    if (!question.isEmpty() && !platform.confirm(question, about))
        return std::nullopt;
    return Patch{offset, bytes, old.left(bytes.size())};
}

bool writeIntoRom(Editor& editor, Platform& platform, const QString& path, const QList<Patch>& patches)
{
    const QString cantWrite =
        patches.size() == 1
            ? tr("Cannot write the record at offset %1 into %2: %3.").arg(IntToHexText(patches.front().offset))
            : tr("Cannot write the %1 records into %2: %3.").arg(patches.size());
    if (!mayWriteInto(editor, platform, path))
        return false;
    patchIntoRom(editor, path, patches, cantWrite);
    return true;
}

void patchIntoRom(Editor& editor, const QString& path, const QList<Patch>& patches, const QString& cantWrite)
{
    // From the check to the last sync, no other writer comes between: the bytes planned over must
    // still be there, or another program wrote since the plan was made.
    const WriteLock lock(path);
    QFile file;
    openOrThrow(file, path, QIODevice::ReadWrite);
    for (const Patch& patch : patches) {
        QByteArray now;
        if (file.seek(patch.offset))
            now = file.read(patch.old.size());
        if (now != patch.old)
            throw Error(tr("%1 changed at offset %2 after it was checked: another program wrote into it. Nothing was "
                           "written; try again.")
                            .arg(shownPath(path), IntToHexText(patch.offset)));
    }
    backUpBeforeFirstWrite(editor, path);
    patchFile(file, path, patches, cantWrite);
}

} // namespace vertiloom
