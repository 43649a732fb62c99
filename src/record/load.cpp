// Reading a letter record and putting it into the fields; see load.h. The whole record is read and
// checked before the first field changes, so a failed load leaves the fields as they were.
#include "record/load.h"

#include "model/error.h"
#include "model/hex.h"
#include "model/messages.h"
#include "record/files.h"

namespace vertiloom {

LetterRecord readLetterFile(const QString& path, const QString& addr)
{
    QFile file;
    openOrThrow(file, path, QIODevice::ReadOnly);
    const qint64 size = file.size();
    if (size == 0)
        throw Error(tr("%1 is empty: a letter file holds one letter record.").arg(shownPath(path)));
    const auto beyondTheEnd = [&path] { return Error(tr("Read beyond end of file: %1").arg(shownPath(path))); };
    qint64 offset = 0;
    if (isRomImage(size)) {
        offset = offsetFromAddr(addr);
        if (offset >= size)
            throw beyondTheEnd();
        if (!file.seek(offset))
            throw Error(tr("Cannot read %1: %2").arg(shownPath(path), file.errorString()));
    }
    const QByteArray data = file.read(kMaxRecordSize);
    if (file.error() != QFileDevice::NoError)
        throw Error(tr("Cannot read %1: %2").arg(shownPath(path), file.errorString()));
    try {
        return parseRecord(data, 0, offset);
    } catch (const Error& error) {
        if (error.message() == tr("Read beyond end of file"))
            throw beyondTheEnd();
        throw;
    }
}

void putRecord(EditorForm& form, const LetterRecord& record, bool reload)
{
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
}

HeldTails heldTails(const LetterRecord& record)
{
    HeldTails tails;
    for (const char byte : record.letterTail)
        tails.letter.append(TwoDigitHex(static_cast<std::uint8_t>(byte)));
    for (int p = 0; p < record.polygonTails.size() && p < kPolygons; ++p)
        tails.polygons[static_cast<size_t>(p)] = recordText(record.polygonTails[p]);
    return tails;
}

} // namespace vertiloom
