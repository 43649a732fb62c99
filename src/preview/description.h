// The letter told in words, for a screen reader: its points with their coordinates and its polygons
// with the points their corners stand on, as the fields hold them.
#pragma once

#include "model/form.h"

#include <QString>

namespace vertiloom {

// "Points (3): 1 (-3, -20), 2 (13, -4), 5 (77, -36). Polygons (1): 1 on points 1 2 5." in the
// language of the installed translation. A point is listed when it is checked and both its
// coordinates are two-digit hex texts, in signed units as the drawing board counts them; a polygon
// when it has a checked corner, with the point of each checked corner whose reference names one, in
// corner order.
QString letterDescription(const EditorForm& form);

} // namespace vertiloom
