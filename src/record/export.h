// The three ways out of the memo: a letter file, a patch of a ROM image at Addr, and the tagged
// text form ("<bh:xx>" per byte) for a hex editor. Both file exports write only a well-formed
// letter record.
#pragma once

#include "model/editor.h"
#include "model/platform.h"

#include <QByteArray>
#include <QString>

namespace vertiloom {

inline constexpr const char* kLetterFileFilter = "Hex files|*.*";
inline constexpr const char* kRomFilter = "Tessarine Rom|*.smc|All files|*.*";

// The bytes of the memo, read from either form: plain hex digits (white space ignored) or the
// tags. Throws Error naming what is wrong and where: a stray character, an odd digit, a broken tag.
QByteArray memoBytes(const QString& memo);

// The memo's bytes, checked to be exactly one letter record within the editor's limits.
QByteArray memoRecord(const QString& memo);

// "Export letter to file": writes the memo's record into a file chosen in a save dialog.
void exportLetterToFile(Editor& editor, Platform& platform);

// "Export letter to Rom": writes the memo's record into a chosen ROM image at Addr, in place.
void exportLetterToRom(Editor& editor, Platform& platform);

// "Convert to Translhextion": rewrites the memo into the tagged form.
void convertToTranslhextion(Editor& editor);

} // namespace vertiloom
