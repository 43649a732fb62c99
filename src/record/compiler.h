// The letter compiler: the last step of START!, turning the fields into the record text of the
// memo and recounting Polygons and Dots.
#pragma once

#include "model/form.h"

#include <QStringList>
#include <array>

namespace vertiloom {

// The three tail bytes written while no letter has been loaded, so that the text is a whole record.
inline constexpr const char* kDefaultLetterTail[3] = {"00", "00", "00"};
// The eight tail bytes of a polygon that has no tail of its own from a load.
inline constexpr const char* kDefaultPolygonTail = "0000010200000102";

// Recount Polygons and Dots, then set the memo to the record text of the fields, every field text
// appended as it stands, followed by the held tails of the last load (the default letter tail when
// none is held). Empty held polygon tails are filled with the default.
void compileLetter(EditorForm& form, const QStringList& letterTail, std::array<QString, kPolygons>& polygonTails);

} // namespace vertiloom
