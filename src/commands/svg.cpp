// The commands that draw the letter as an SVG file and read one back into the fields.
#include "commands/commands.h"

#include "formats/svg.h"
#include "model/error.h"
#include "model/messages.h"
#include "record/export.h"
#include "record/files.h"
#include "record/writes.h"

#include <QFile>
#include <QFileInfo>

namespace vertiloom {

namespace {

// The question of "Export letter to file" before it replaces a file, for a drawing.
bool mayWriteDrawing(Platform& platform, const QString& path, const QByteArray& svg)
{
    const QFileInfo target(path);
    if (!target.exists() || !target.isFile())
        return true;
    const bool romImage =
        isRomImage(target.size()) || target.suffix().compare(QLatin1String("smc"), Qt::CaseInsensitive) == 0;
    const QString question =
        romImage ? tr("%1 is a ROM image of %2 bytes. Replace the whole image with this %3-byte SVG drawing?")
                       .arg(shownPath(path), groupedNumber(target.size()), groupedNumber(svg.size()))
                 : tr("%1 already exists. Replace it with this %2-byte SVG drawing?")
                       .arg(shownPath(path), groupedNumber(svg.size()));
    return platform.confirm(question, romImage ? Question::ReplaceRomImage : Question::ReplaceLetterFile);
}

} // namespace

void exportLetterToSvg(Editor& editor, Platform& platform)
{
    const QByteArray svg = letterToSvg(parseRecord(memoRecord(editor.form.text(FieldId::memo())), 0, -1));
    saveLetterAs(editor, platform, kSvgSaveFilter, svg,
                 [&](const QString& path) { return mayWriteDrawing(platform, path, svg); });
}

LetterRecord readLetterSvg(const QString& path, const LetterRecord& current)
{
    QFile file;
    openOrThrow(file, path, QIODevice::ReadOnly);
    const QByteArray svg = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Error(tr("Cannot read %1: %2").arg(shownPath(path), file.errorString()));
    return letterFromSvg(svg, current);
}

void importLetterFromSvg(Editor& editor, Platform& platform)
{
    const std::optional<QString> path = platform.openFileName(QLatin1String(kSvgOpenFilter));
    if (!path)
        return;
    if (path->isEmpty())
        throw Error(tr("Invalid filename"));
    const LetterRecord record = readLetterSvg(*path, memoLetter(editor));
    const Editor::SavedLetter saved = editor.savedLetter;
    applyRecord(editor, record, false);
    editor.savedLetter = saved;
}

} // namespace vertiloom
