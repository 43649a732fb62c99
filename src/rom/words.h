// The game's tile codes for the letters of its PAUSE and GAME OVER words, and the two commands that
// read those words from the current ROM image into the word fields and write them back.
#pragma once

#include <QString>
#include <QtGlobal>

namespace vertiloom {

struct Editor;
struct RomVariant;

inline constexpr int kPauseLength = 5;    // Edit2 .. Edit6
inline constexpr int kGameOverLength = 8; // Edit7 .. Edit14

// The character the game shows for a tile code 00..19; empty for any other byte.
QString tileCharacter(int code);

// The tile code a field's text writes as: the table above read backwards, with "I" as 08 and
// "_" and the empty text as 14 like the blank. -1 for anything else: a character the game can't
// show (lookups are case-sensitive) or more than one character.
int tileCode(const QString& text);

// Throws Error unless both words of the variant lie wholly inside a file of that size.
void checkWordsInside(const QString& path, qint64 fileSize, const RomVariant& variant);

// Fills Edit2..Edit14 from the current ROM image at the selected variant's word offsets. The file
// is only read. All thirteen bytes are read before any field changes; each byte is remembered with
// the text shown for it, so that a byte that is no tile code (shown empty) survives a later write.
// Throws Error, with no field changed, when no ROM image is open, the file last opened is a letter
// file, the words lie outside it, or it can't be read.
void readWords(Editor& editor);

// Writes Edit2..Edit14 into the current ROM image at the selected variant's word offsets: exactly
// 5 + 8 bytes change, in place. A field that still holds the text last read (or written) for it
// writes that same byte again; any other field is encoded from its character. Everything is
// checked before the file is opened for writing; a refusal throws Error and writes nothing.
void writeWords(Editor& editor);

} // namespace vertiloom
