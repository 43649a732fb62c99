// The captions that change with the language and the start-up step that writes them into the form:
// a table of Russian and English captions, and for every other language the translation of the
// English one (translations/vertiloom_<code>.ts, context "vertiloom").
#pragma once

#include "model/form.h"

#include <QString>
#include <vector>

namespace vertiloom {

struct Caption {
    FieldId id;
    QString russian;
    QString english;
    // The English caption as the translations know it, %1 standing for the polygon number of a
    // polygon block's title (polygon, else 0).
    const char* source;
    int polygon = 0;

    // The caption in the language installed (installTranslations), from the English one.
    QString translated() const;
};

// Every control whose caption depends on the language, with its two captions.
const std::vector<Caption>& captionTable();

// Writes the captions of the language: the table's Russian for Russian, its English for English, the
// translation of the English for any other language. The form notifies the window of each caption
// that changes.
void writeCaptions(EditorForm& form, int language);

} // namespace vertiloom
