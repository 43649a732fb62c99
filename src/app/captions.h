// The captions that change with the language (1 Russian, 2 English) and the start-up step that
// writes them into the form.
#pragma once

#include "model/form.h"

#include <QString>
#include <vector>

namespace vertiloom {

struct Caption {
    FieldId id;
    QString russian;
    QString english;
};

// Every control whose caption depends on the language, with its two captions.
const std::vector<Caption>& captionTable();

// Writes the Russian captions, then the English ones over them when the language is 2. The form
// notifies the window of each caption that changes.
void writeCaptions(EditorForm& form, int language);

} // namespace vertiloom
