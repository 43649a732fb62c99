// ROM variants and the letter catalogue; see catalogue.h.
#include "rom/catalogue.h"

#include "model/form.h"
#include "model/hex.h"

namespace vertiloom {

int wrapPosition(int position) { return ((position - 1) % kCatalogueSize + kCatalogueSize) % kCatalogueSize + 1; }

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

int cataloguePosition(const QString& labelOrGlyph)
{
    for (int position = 1; position <= kCatalogueSize; ++position) {
        const QString label = QString::fromLatin1(kCatalogue[static_cast<size_t>(position - 1)].label);
        if (label == labelOrGlyph || label.section(u' ', 0, 0) == labelOrGlyph)
            return position;
    }
    return 0;
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

} // namespace vertiloom
