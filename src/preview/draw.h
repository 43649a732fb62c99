// Drawing the letter and the overlays on the preview's two layers from the fields: the drawing
// steps of START!, the point numbers and the axes, and the two layers seen as one picture.
#pragma once

#include "model/form.h"
#include "preview/canvas.h"

#include <QImage>

namespace vertiloom {

inline constexpr int kPreviewSize = 255;

// Paints the whole layer black.
void clearLayer(Canvas& layer);

// The switched-on overlays redrawn as START! does first: the point numbers (which redraw the axes
// over them when those are on), else the axes alone.
void refreshOverlays(const EditorForm& form, Canvas& overlay);

// The drawing steps of START!: clear the letter layer, draw the checked points, recount each
// polygon's corners into Degree<p> and draw its outline. Throws Error when a coordinate it needs is
// not a two-digit upper-case hex text; what was drawn before stays.
void drawLetter(EditorForm& form, Canvas& letterLayer);

// What drawLetter would draw now on a copy of the layer (its pen where the last drawing left it),
// the fields left as they are: a view's letter between a change of the fields and the next START!.
// Null when a coordinate the drawing reads is no two-digit upper-case hex text.
QImage letterFromFields(const EditorForm& form, const Canvas& letterLayer);

// Clears the overlay, writes the numbers of the checked points (in black, so invisible, when
// "Display points" is clear), then redraws the axes if they are on.
void drawPointNumbers(const EditorForm& form, Canvas& overlay);

// Draws the six axes, or erases them in the transparent colour when "Display axes" is clear.
void drawAxes(const EditorForm& form, Canvas& overlay);

// The letter layer with the overlay over it, black of the overlay being transparent: what the user
// sees in the preview.
QImage composedPreview(const QImage& letterLayer, const QImage& overlay);

} // namespace vertiloom
