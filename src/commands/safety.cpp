// What keeps a user's work: the letter's changes that are in no file yet (the window's star and the
// question before they go), and the backup of a ROM image before this run first writes into it.
#include "commands/commands.h"

#include "model/error.h"
#include "model/hex.h"
#include "model/messages.h"
#include "record/files.h"
#include "record/writes.h"
#include "rom/catalogue.h"

#include <QFile>
#include <QFileInfo>

namespace vertiloom {

namespace {

// What an export would write, as text: the letter's fields, the memo and the held tails.
QStringList letterContent(const Editor& editor)
{
    const EditorForm& form = editor.form;
    QStringList out;
    const auto field = [&](const FieldId& id) { out << form.text(id); };
    const auto box = [&](const FieldId& id) { out << (form.checked(id) ? QStringLiteral("1") : QStringLiteral("0")); };
    for (int n = 1; n <= kPoints; ++n) {
        field(FieldId::x(n));
        field(FieldId::y(n));
        box(FieldId::checkBox(n));
    }
    field(FieldId::dots());
    field(FieldId::polygons());
    for (int p = 1; p <= kPolygons; ++p) {
        field(FieldId::degree(p));
        for (int k = 1; k <= kCorners; ++k) {
            field(FieldId::pol(p, k));
            field(FieldId::ipol(p, k));
            box(FieldId::checkPol(p, k));
        }
    }
    field(FieldId::memo());
    out << editor.letterTail.join(u',');
    for (const QString& tail : editor.polygonTails)
        out << tail;
    return out;
}

// The label of the catalogue letter whose offset in the selected dump Addr holds, or empty.
QString catalogueLabel(const Editor& editor)
{
    qint64 offset = 0;
    try {
        offset = offsetFromAddr(editor.form.text(FieldId::addr()));
    } catch (const Error&) {
        return {};
    }
    const RomVariant& variant = selectedVariant(editor.form);
    for (int position = 1; position <= kCatalogueSize; ++position) {
        if (HexToInt(catalogueOffset(position, variant)) + editor.catalogueHeader == offset)
            return QString::fromLatin1(catalogueEntry(position).label);
    }
    return {};
}

} // namespace

bool letterChanged(const Editor& editor) { return letterContent(editor) != editor.savedContent; }

void markSaved(Editor& editor) { editor.savedContent = letterContent(editor); }

bool mayDiscardChanges(Editor& editor, Platform& platform)
{
    return !letterChanged(editor) ||
           platform.confirmDiscard(tr("The letter has changes that are in no file yet. Discard them?"));
}

QString windowTitle(const Editor& editor)
{
    const QString dash = QStringLiteral(" \u2014 ");
    QString title = QStringLiteral("Tessarine Vertiloom");
    if (!editor.currentRom.isEmpty()) {
        title += dash + QFileInfo(editor.currentRom).fileName();
        const QString label = catalogueLabel(editor);
        if (!label.isEmpty())
            title += dash + label;
    }
    if (letterChanged(editor))
        title += QStringLiteral(" *");
    return title;
}

void backUpBeforeFirstWrite(Editor& editor, const QString& image)
{
    const QString key = QFileInfo(image).canonicalFilePath();
    if (key.isEmpty() || editor.backedUp.contains(key))
        return;
    const QString backup = image + QStringLiteral(".bak");
    try {
        QFile file;
        openOrThrow(file, image, QIODevice::ReadOnly);
        const QByteArray content = file.readAll();
        if (file.error() != QFileDevice::NoError || content.size() != file.size())
            throw Error(tr("Cannot read %1: %2").arg(shownPath(image), file.errorString()));
        saveWholeFile(backup, content);
    } catch (const Error& error) {
        throw Error(tr("Nothing was written into %1. Before the first write into an image the editor "
                       "keeps a copy of it, and the copy %2 could not be made: %3")
                        .arg(shownPath(image), shownPath(backup), error.message()));
    }
    editor.backedUp.insert(key);
}

} // namespace vertiloom
