// Loading a letter; see load.h. A load is all or nothing: the whole record is read and checked
// before the first field changes, so a failed load leaves the editor as it was.
#include "record/load.h"

#include "model/error.h"
#include "model/hex.h"
#include "preview/start.h"
#include "record/files.h"

#include <QFileInfo>

namespace vertiloom {

LetterRecord readLetterFile(const QString& path, const QString& addr)
{
    QFile file;
    openOrThrow(file, path, QIODevice::ReadOnly);
    const qint64 size = file.size();
    qint64 offset = 0;
    if (isRomImage(size)) {
        offset = offsetFromAddr(addr);
        if (offset >= size)
            throw Error(QStringLiteral("Read beyond end of file"));
        if (!file.seek(offset))
            throw Error(QStringLiteral("Cannot read %1: %2").arg(shownPath(path), file.errorString()));
    }
    const QByteArray data = file.read(kMaxRecordSize);
    if (file.error() != QFileDevice::NoError)
        throw Error(QStringLiteral("Cannot read %1: %2").arg(shownPath(path), file.errorString()));
    return parseRecord(data, 0, offset);
}

void applyRecord(Editor& editor, const LetterRecord& record, bool reload)
{
    EditorForm& form = editor.form;
    const auto hex = [](std::uint8_t byte) { return IntToHexText(byte); };

    for (int n = 1; n <= kPoints; ++n) {
        form.setText(FieldId::x(n), QStringLiteral("00"));
        form.setText(FieldId::y(n), QStringLiteral("00"));
    }
    for (int p = 1; p <= kPolygons; ++p)
        form.setText(FieldId::degree(p), QStringLiteral("FF"));
    for (int p = 1; p <= kPolygons; ++p) {
        for (int k = 1; k <= kCorners; ++k) {
            form.setText(FieldId::pol(p, k), QStringLiteral("00"));
            form.setText(FieldId::ipol(p, k), QStringLiteral("00"));
        }
    }
    for (int p = 1; p <= kPolygons; ++p) {
        for (int k = 1; k <= kCorners; ++k) {
            form.setChecked(FieldId::checkPol(p, k), false);
            if (reload)
                form.setText(FieldId::checkPol(p, k), QStringLiteral("xy"));
        }
    }
    for (int n = 1; n <= kPoints; ++n)
        form.setChecked(FieldId::checkBox(n), false);

    form.setText(FieldId::dots(), IntToHexText(record.points.size()));
    for (int n = 1; n <= record.points.size(); ++n) {
        const auto& point = record.points[n - 1];
        form.setText(FieldId::x(n), hex(point[0]));
        form.setChecked(FieldId::checkBox(n), true);
        form.setText(FieldId::y(n), hex(point[1]));
    }

    form.setText(FieldId::polygons(), IntToHexText(record.polygons.size()));
    for (int p = 1; p <= record.polygons.size(); ++p) {
        const PolygonBlock& block = record.polygons[p - 1];
        form.setText(FieldId::degree(p), IntToHexText(block.vertexRefs.size()));
        for (int k = 1; k <= block.vertexRefs.size(); ++k)
            form.setText(FieldId::pol(p, k), hex(static_cast<std::uint8_t>(block.vertexRefs[k - 1])));
        for (int k = 1; k <= block.parameters.size(); ++k) {
            form.setText(FieldId::ipol(p, k), hex(static_cast<std::uint8_t>(block.parameters[k - 1])));
            form.setChecked(FieldId::checkPol(p, k), true);
        }
        form.setEnabled(FieldId::bitBtn(1), true);
    }

    editor.letterTail.clear();
    for (const char byte : record.letterTail)
        editor.letterTail.append(TwoDigitHex(static_cast<std::uint8_t>(byte)));
    for (QString& tail : editor.polygonTails)
        tail.clear();
    for (int p = 0; p < record.polygonTails.size(); ++p)
        editor.polygonTails[static_cast<size_t>(p)] = recordText(record.polygonTails[p]);

    const auto complete = [&form](const FieldId& id) { form.setText(id, PadToTwo(form.text(id))); };
    for (int p = 1; p <= kPolygons; ++p) {
        for (int k = 1; k <= kCorners; ++k) {
            complete(FieldId::pol(p, k));
            complete(FieldId::ipol(p, k));
        }
    }
    for (int n = 1; n <= kPoints; ++n) {
        complete(FieldId::x(n));
        complete(FieldId::y(n));
    }
    for (int p = 1; p <= kPolygons; ++p)
        complete(FieldId::degree(p));
    complete(FieldId::dots());
    complete(FieldId::polygons());

    start(editor);
}

void openLetter(Editor& editor, Platform& platform)
{
    const QString path = platform.openFileName(QLatin1String(kOpenFilter));
    if (path.isEmpty())
        return;
    editor.currentRom = path;
    editor.openedAs = {path, isRomImage(QFileInfo(path).size())};
    applyRecord(editor, readLetterFile(path, editor.form.text(FieldId::addr())), false);
}

void reloadLetter(Editor& editor, Platform& platform)
{
    if (editor.currentRom.isEmpty())
        throw Error(QStringLiteral("No file has been opened yet: choose a ROM image with \"Open file\" first."));
    // The size rule decides how the file is read; when the file crossed the line since it was
    // opened (cut short, or overwritten by a letter file), say so before reading it the other way.
    const QFileInfo info(editor.currentRom);
    const bool romImage = isRomImage(info.size());
    if (info.isFile() && editor.openedAs.path == editor.currentRom && editor.openedAs.romImage != romImage) {
        const QString now = QStringLiteral("%1 is now %2 bytes: ").arg(shownPath(editor.currentRom), groupedNumber(info.size()));
        const QString question =
            romImage ? now + QStringLiteral("it will be read as a ROM image, at the offset in Addr. Load it?")
                     : now + QStringLiteral("it will be read as a letter file from its start. Load it?");
        if (!platform.confirm(question))
            return;
        editor.openedAs.romImage = romImage;
    }
    applyRecord(editor, readLetterFile(editor.currentRom, editor.form.text(FieldId::addr())), true);
}

} // namespace vertiloom
