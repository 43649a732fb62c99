// Choosing a ROM variant and stepping through the letter catalogue: only Addr, Label34 and the
// remembered position change.
#include "commands/commands.h"

#include "rom/catalogue.h"

namespace vertiloom {

namespace {

void showEntry(Editor& editor, int position)
{
    position = wrapPosition(position);
    const QString offset = catalogueOffset(position, selectedVariant(editor.form));
    editor.form.setText(FieldId::addr(), offset);
    editor.cataloguePosition = position;
    editor.form.setText(FieldId::label(34), QString::fromLatin1(catalogueEntry(position).label));
}

} // namespace

void chooseVariant(Editor& editor)
{
    editor.cataloguePosition = wrapPosition(editor.cataloguePosition);
    editor.form.setText(FieldId::addr(), catalogueOffset(editor.cataloguePosition, selectedVariant(editor.form)));
}

void goToLetter(Editor& editor, int position) { showEntry(editor, position); }

void nextLetter(Editor& editor) { showEntry(editor, editor.cataloguePosition + 1); }

void previousLetter(Editor& editor) { showEntry(editor, editor.cataloguePosition - 1); }

} // namespace vertiloom
