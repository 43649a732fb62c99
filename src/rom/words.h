// The game's tile codes for the letters of its PAUSE and GAME OVER words, where each dump keeps
// the two words, and reading and writing their thirteen bytes in a ROM image.
#pragma once

#include "model/fields.h"

#include <QString>
#include <QtGlobal>
#include <array>

namespace vertiloom {

struct RomVariant;

inline constexpr int kPauseLength = 5;    // Edit2 .. Edit6
inline constexpr int kGameOverLength = 8; // Edit7 .. Edit14

// One word in a dump: its name as a user reads it, its first field counted from Edit2, its length
// and the file offset of its first byte.
struct WordPlace {
    QString name;
    int firstIndex;
    int length;
    qint64 offset;
};
// header: bytes in front of the dump in the image (a copier's header), added to both offsets.
std::array<WordPlace, 2> wordPlaces(const RomVariant& variant, qint64 header = 0);

// The field of the word letter at index 0..12: Edit2..Edit14.
inline FieldId wordField(int index) { return FieldId::edit(2 + index); }

// The thirteen bytes of the two words, PAUSE first.
using WordBytes = std::array<int, kWordFields>;

// The character the game shows for a tile code 00..19; empty for any other byte.
QString tileCharacter(int code);

// The tile code a field's text writes as: the table above read backwards, with "I" as 08 and
// "_" and the empty text as 14 like the blank. -1 for anything else: a character the game can't
// show (lookups are case-sensitive) or more than one character.
int tileCode(const QString& text);

// The catalogue letter the game draws a tile code with: its position (1..24), or 0 when none does
// (the blank, "O"). "1" is drawn with "I (17) 30" and "!" with "!! (82) 117".
int tileLetter(int code);

// Throws Error unless both words of the variant lie wholly inside a file of that size.
void checkWordsInside(const QString& path, qint64 fileSize, const RomVariant& variant, qint64 header = 0);

// What the user is about to do with the words: the messages that tell them what to do first end
// with it.
enum class WordAction { Read, Write };

// Reads the words of the variant from the ROM image at path; the file is only read. Throws Error
// when there is no path, the file is a letter file, the words lie outside it, or it can't be read.
WordBytes readWordBytes(const QString& path, const RomVariant& variant, WordAction action, qint64 header = 0);

// The byte the text of a word letter writes as: remembered (0..255) when the field still shows what
// was read for that byte, else the text's tile code. Throws Error naming the letter's place.
char wordByte(const QString& text, int remembered, const WordPlace& word, int place);

// Writes the bytes of both words into the ROM image at path, in place: exactly 5 + 8 bytes change,
// synced to disk, the old bytes put back if the write fails part-way. Throws Error.
void writeWordBytes(const QString& path, const RomVariant& variant, const std::array<QByteArray, 2>& bytes,
                    qint64 header = 0);

} // namespace vertiloom
