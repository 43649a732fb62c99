// ROM variant selection and stepping through the letter catalogue; see catalogue.h.
#include "rom/catalogue.h"

#include "model/editor.h"
#include "model/hex.h"

namespace vertiloom {

namespace {

int wrapPosition(int position)
{
    return ((position - 1) % kCatalogueSize + kCatalogueSize) % kCatalogueSize + 1;
}

// Stepping touches only Addr, Label34 and the remembered position.
void showEntry(Editor& editor, int position)
{
    position = wrapPosition(position);
    const QString offset = catalogueOffset(position, selectedVariant(editor.form));
    editor.form.setText(FieldId::addr(), offset);
    editor.cataloguePosition = position;
    editor.form.setText(FieldId::label(34), QString::fromLatin1(catalogueEntry(position).label));
}

} // namespace

const RomVariant& selectedVariant(const EditorForm& form)
{
    for (const RomVariant& variant : kRomVariants) {
        if (form.checked(FieldId::radio(variant.radioButton)))
            return variant;
    }
    return kRomVariants.front();
}

void selectVariant(EditorForm& form, int radioButton)
{
    bool known = false;
    for (const RomVariant& variant : kRomVariants)
        known = known || variant.radioButton == radioButton;
    if (!known)
        return;
    for (const RomVariant& variant : kRomVariants)
        form.setChecked(FieldId::radio(variant.radioButton), variant.radioButton == radioButton);
}

const CatalogueEntry& catalogueEntry(int position)
{
    return kCatalogue.at(static_cast<size_t>(wrapPosition(position) - 1));
}

QString catalogueOffset(int position, const RomVariant& variant)
{
    const QString base = QString::fromLatin1(catalogueEntry(position).baseOffset);
    return IntToHexText(HexToInt(base) + variant.displacement);
}

void chooseVariant(Editor& editor)
{
    editor.cataloguePosition = wrapPosition(editor.cataloguePosition);
    editor.form.setText(FieldId::addr(),
                        catalogueOffset(editor.cataloguePosition, selectedVariant(editor.form)));
}

void nextLetter(Editor& editor)
{
    showEntry(editor, editor.cataloguePosition + 1);
}

void previousLetter(Editor& editor)
{
    showEntry(editor, editor.cataloguePosition - 1);
}

} // namespace vertiloom
