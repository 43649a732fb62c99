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
#include <algorithm>

namespace vertiloom {

namespace {

// The slots of what an export would write, beside the held tails: the letter's fields and the memo
// (their texts), and the check boxes of points and corners (their states).
struct LetterSlots {
    QList<int> texts;
    QList<int> boxes;
};

const LetterSlots& letterSlots()
{
    static const LetterSlots table = [] {
        LetterSlots s;
        for (int n = 1; n <= kPoints; ++n) {
            s.texts << fieldSlot(FieldId::x(n)) << fieldSlot(FieldId::y(n));
            s.boxes << fieldSlot(FieldId::checkBox(n));
        }
        s.texts << fieldSlot(FieldId::dots()) << fieldSlot(FieldId::polygons()) << fieldSlot(FieldId::memo());
        for (int p = 1; p <= kPolygons; ++p) {
            s.texts << fieldSlot(FieldId::degree(p));
            for (int k = 1; k <= kCorners; ++k) {
                s.texts << fieldSlot(FieldId::pol(p, k)) << fieldSlot(FieldId::ipol(p, k));
                s.boxes << fieldSlot(FieldId::checkPol(p, k));
            }
        }
        return s;
    }();
    return table;
}

} // namespace

bool letterChanged(const Editor& editor)
{
    const Editor::SavedLetter& saved = editor.savedLetter;
    const EditorForm::Controls& now = editor.form.controls();
    // Nothing saved yet (before start-up): changed, as no file holds the letter.
    if (saved.controls.size() != now.size() || editor.letterTail != saved.letterTail
        || editor.polygonTails != saved.polygonTails)
        return true;
    const LetterSlots& letter = letterSlots();
    return std::any_of(letter.texts.cbegin(), letter.texts.cend(),
                       [&](int slot) { return now.at(slot).text != saved.controls.at(slot).text; })
           || std::any_of(letter.boxes.cbegin(), letter.boxes.cend(),
                          [&](int slot) { return now.at(slot).checked != saved.controls.at(slot).checked; });
}

void markSaved(Editor& editor)
{
    // A copy of the controls is shared with the form's until the next change to either.
    editor.savedLetter = {editor.form.controls(), editor.letterTail, editor.polygonTails};
}

bool mayDiscardChanges(Editor& editor, Platform& platform)
{
    return !letterChanged(editor)
           || platform.confirmDiscard(tr("The letter has changes that are in no file yet. Discard them?"));
}

QString windowTitle(const Editor& editor)
{
    const QString dash = QStringLiteral(" \u2014 ");
    QString title = QStringLiteral("Tessarine Vertiloom");
    if (!editor.currentRom.isEmpty()) {
        title += dash + QFileInfo(editor.currentRom).fileName();
        if (const int position = letterAtAddr(editor))
            title += dash + QString::fromLatin1(catalogueEntry(position).label);
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
        // Always a file of its own beside the image: a link there could lead back to the image. The
        // backup before is a copy of the image too, and this copy replaces it.
        saveWholeFile(backup, content, Links::Refuse, RomImages::Replace);
    } catch (const Error& error) {
        throw Error(tr("Nothing was written into %1. Before the first write into an image the editor "
                       "keeps a copy of it, and the copy %2 could not be made: %3")
                        .arg(shownPath(image), shownPath(backup), error.message()));
    }
    editor.backedUp.insert(key);
}

} // namespace vertiloom
