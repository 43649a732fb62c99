// Choosing a ROM variant and stepping through the letter catalogue: only Addr, Label34 and the
// remembered position change.
#include "commands/commands.h"

#include "model/hex.h"
#include "rom/catalogue.h"

namespace vertiloom {

namespace {

// The letter's file offset in the current image: its offset in the selected dump, moved on by the
// image's header when the editor reads it with one.
QString offsetInImage(const Editor& editor, int position)
{
    const QString offset = catalogueOffset(position, selectedVariant(editor.form));
    if (editor.catalogueHeader == 0)
        return offset;
    return IntToHexText(HexToInt(offset) + static_cast<int>(editor.catalogueHeader));
}

void showEntry(Editor& editor, int position)
{
    position = wrapPosition(position);
    editor.form.setText(FieldId::addr(), offsetInImage(editor, position));
    editor.cataloguePosition = position;
    editor.form.setText(FieldId::label(34), QString::fromLatin1(catalogueEntry(position).label));
}

} // namespace

void chooseVariant(Editor& editor)
{
    editor.cataloguePosition = wrapPosition(editor.cataloguePosition);
    editor.form.setText(FieldId::addr(), offsetInImage(editor, editor.cataloguePosition));
}

void goToLetter(Editor& editor, int position) { showEntry(editor, position); }

void nextLetter(Editor& editor) { showEntry(editor, editor.cataloguePosition + 1); }

void previousLetter(Editor& editor) { showEntry(editor, editor.cataloguePosition - 1); }

} // namespace vertiloom
