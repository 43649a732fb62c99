// What the user may type into each field, and the one-character limit of the word fields.
#pragma once

#include "model/form.h"

#include <QChar>
#include <QString>

namespace vertiloom {

inline constexpr QChar kBackspace{u'\b'};

// Whether a typed character reaches the field. Addr takes hex digits of either case; the counts,
// coordinates and corner fields take upper-case hex digits only; the parameter fields, the memo and
// the word fields take everything. Backspace always passes. The filters decide which characters,
// not how many. Keys that edit or move (Delete, the arrows) and the editing shortcuts type no
// character and are not judged.
bool keyAccepted(const FieldId& field, QChar key);

// Whether the field takes a text typed or pasted into it: a text with one character the field
// refuses is refused whole, so a paste never lands half.
bool textAccepted(const FieldId& field, const QString& text);

// Runs before a key reaches a field: the word fields of PAUSE and the last seven of GAME OVER limit
// themselves to one character on every key press (the first of GAME OVER does so after a change).
void beforeKey(EditorForm& form, const FieldId& field);

} // namespace vertiloom
