// Editing on and around the preview: placing the selected point with a click, the coordinate
// readout, nudging the checked points, clearing the letter and picking a vertex from the menu.
#pragma once

#include "model/form.h"

#include <QPoint>
#include <optional>

namespace vertiloom {

enum class Nudge { Left, Right, Up, Down };

// The coordinate text of a preview pixel: two upper-case hex digits of (pixel + 128) mod 256,
// the inverse of the preview mapping; "" outside 0..255.
QString coordinateText(int pixel);

// A click at this pixel of the preview: Label33 shows it, and the selected point moves there,
// checked or not. The preview is redrawn only by the next START!.
void placePoint(EditorForm& form, QPoint pixel);

// The mouse is over this pixel of the preview: Label20 follows it.
void showReadout(EditorForm& form, QPoint pixel);

// Moves every checked point one unit (byte arithmetic modulo 256 on the field's value).
void nudgePoints(EditorForm& form, Nudge direction);

// Resets every field to the empty letter; the preview and the memo stay until the next START!.
void clearLetter(EditorForm& form);

// Item n (1..20) of the vertex menu: the focused edit field, if any (and not the memo), receives the
// vertex reference of point n.
void writeVertexReference(EditorForm& form, std::optional<FieldId> focusedEdit, int n);

// How far above the first corner field of polygon p the vertex menu opens.
inline int vertexMenuRaise(int p) { return p >= 5 ? 184 : 0; }

} // namespace vertiloom
