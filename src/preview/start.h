// START! (draw the letter on the preview, then compile it into the memo), the two overlays of
// point numbers and axes, and the window's first state.
#pragma once

#include "model/editor.h"

namespace vertiloom {

// START!: refresh the switched-on overlays, set the memo to plain text and enable the two buttons
// that need it, clear the letter layer, draw the checked points, recount and draw the polygons,
// then compile. Throws Error when a coordinate it needs is not a two-digit upper-case hex text;
// what was done before stays done.
void start(Editor& editor);

// "Display points" clicked: clear the overlay, write the numbers of the checked points (in black,
// so invisible, when the box is clear), then redraw the axes if they are on.
void showPointNumbers(Editor& editor);

// "Display axes" clicked: draw the six axes, or erase them in the transparent colour.
void showAxes(Editor& editor);

// The window's first state after its captions: catalogue position 1, a black preview, an empty
// memo, and one START!.
void startUp(Editor& editor);

// Letter layer with the overlay over it, black of the overlay being transparent: what the user
// sees in the preview.
QImage composedPreview(const Editor& editor);

} // namespace vertiloom
