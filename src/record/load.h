// Reading a letter record from a ROM image (at Addr) or a letter file (at offset 0), and putting
// it into the fields as a load does.
#pragma once

#include "model/form.h"
#include "record/record.h"

#include <QStringList>
#include <array>

namespace vertiloom {

// Filter of the open dialog.
inline constexpr const char* kOpenFilter = "Tessarine|*.smc|All|*.*";

// Reads and checks the whole record from the file, without touching the editor. Throws Error.
LetterRecord readLetterFile(const QString& path, const QString& addr);

// Puts a record into the fields as a load does (reset, values as hex text, two-digit completion).
// `reload` also resets the corner captions to "xy".
void putRecord(EditorForm& form, const LetterRecord& record, bool reload);

// The tails a load holds for the compiler: three two-digit texts and one sixteen-digit text per
// loaded polygon (empty beyond).
struct HeldTails {
    QStringList letter;
    std::array<QString, kPolygons> polygons;
};
HeldTails heldTails(const LetterRecord& record);

} // namespace vertiloom
