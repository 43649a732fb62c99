// Choosing a ROM variant and stepping through the letter catalogue: only Addr, Label34 and the
// remembered position change.
#include "commands/commands.h"

#include "model/error.h"
#include "model/hex.h"
#include "record/files.h"
#include "rom/catalogue.h"

namespace vertiloom {

namespace {

void showEntry(Editor& editor, int position)
{
    position = wrapPosition(position);
    editor.form.setText(FieldId::addr(), offsetInImage(editor, position));
    editor.cataloguePosition = position;
    editor.form.setText(FieldId::label(34), QString::fromLatin1(catalogueEntry(position).label));
}

} // namespace

QString offsetInImage(const Editor& editor, int position)
{
    const QString offset = catalogueOffset(position, selectedVariant(editor.form));
    if (editor.catalogueHeader == 0)
        return offset;
    return IntToHexText(HexToInt(offset) + static_cast<int>(editor.catalogueHeader));
}

int letterAtAddr(const Editor& editor)
{
    qint64 offset = 0;
    try {
        offset = offsetFromAddr(editor.form.text(FieldId::addr()));
    } catch (const Error&) {
        return 0;
    }
    for (int position = 1; position <= kCatalogueSize; ++position) {
        if (HexToInt(offsetInImage(editor, position)) == offset)
            return position;
    }
    return 0;
}

void chooseVariant(Editor& editor)
{
    editor.cataloguePosition = wrapPosition(editor.cataloguePosition);
    editor.form.setText(FieldId::addr(), offsetInImage(editor, editor.cataloguePosition));
}

void goToLetter(Editor& editor, int position) { showEntry(editor, position); }

void nextLetter(Editor& editor) { showEntry(editor, editor.cataloguePosition + 1); }

void previousLetter(Editor& editor) { showEntry(editor, editor.cataloguePosition - 1); }

} // namespace vertiloom
