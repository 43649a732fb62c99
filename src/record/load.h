// Loading a letter record from a ROM image (at Addr) or a letter file (at offset 0) into the
// fields, keeping its tails, then START!.
#pragma once

#include "model/editor.h"
#include "model/platform.h"
#include "record/record.h"

namespace vertiloom {

// Filter of the open dialog.
inline constexpr const char* kOpenFilter = "Tessarine|*.smc|All|*.*";

// "Open file": asks for a file; cancelled, nothing happens. The accepted file becomes the current
// ROM image and the letter is loaded from it.
void openLetter(Editor& editor, Platform& platform);

// Reload: loads again from the current ROM image, at the Addr that stands now. When the file was a
// ROM image when it was opened and is a letter file now, or the other way round, asks first.
void reloadLetter(Editor& editor, Platform& platform);

// Reads and checks the whole record from the file, without touching the editor. Throws Error.
LetterRecord readLetterFile(const QString& path, const QString& addr);

// Puts a record into the fields as a load does (reset, values as hex text, two-digit completion),
// holds its tails, and runs START!. `reload` also resets the corner captions to "xy".
void applyRecord(Editor& editor, const LetterRecord& record, bool reload);

} // namespace vertiloom
