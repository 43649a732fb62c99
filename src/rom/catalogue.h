// The five known dumps of the game (ROM variants) with where each keeps the letters and the two
// words, and the catalogue of the 24 known letters.
#pragma once

#include <QString>
#include <array>

namespace vertiloom {

class EditorForm;

struct RomVariant {
    int radioButton; // RadioButton<n> in the ROM panel
    const char* caption;
    int displacement;           // added to every base offset of the catalogue
    const char* pauseOffset;    // first byte of the pause word (hexadecimal)
    const char* gameOverOffset; // first byte of the game-over word (hexadecimal)
};

// In the order of the ROM panel, top to bottom; the first is selected at start.
inline constexpr std::array<RomVariant, 5> kRomVariants{{
    {21, "Brindle (U) (V1.0)", 0, "CC60", "8619F"},
    {28, "Brindle (E) (M3) (V1.0)", -0xA9, "CBF8", "860FA"},
    {24, "Brindle (E) (M3) (V1.1)", -0xA9, "CC01", "860FA"},
    {22, "Brindle (U) (M3) (V1.0)", -0x200, "CA60", "85F9F"},
    {23, "Brindle (U) (M3) (V1.1)", -0x200, "CA6D", "85F9F"},
}};

struct CatalogueEntry {
    // Glyph, the letter's number in parentheses and its record length in bytes; only ever shown.
    const char* label;
    // File offset of the letter's record in the "Brindle (U) (V1.0)" dump (hexadecimal).
    const char* baseOffset;
};

inline constexpr int kCatalogueSize = 24;

// In stepping order (position 1 first), which is not the order of the records in the ROM.
inline constexpr std::array<CatalogueEntry, kCatalogueSize> kCatalogue{{
    {"P (59) 86", "476E2"},  {"A (57) 84", "47738"},  {"U (53) 80", "4778C"},   {"S (45) 72", "477DC"},
    {"E (66) 101", "47824"}, {"D (63) 106", "47EFD"}, {"!! (82) 117", "47F67"}, {"0 (64) 99", "47889"},
    {"I (17) 30", "478EC"},  {"2 (49) 76", "4790A"},  {"3 (58) 93", "47956"},   {"4 (66) 101", "479B3"},
    {"5 (75) 118", "47A18"}, {"6 (66) 101", "47A8E"}, {"7 (45) 72", "47AF3"},   {"8 (103) 162", "47B3B"},
    {"9 (62) 97", "47BDD"},  {"L (32) 51", "47C3E"},  {"C (73) 116", "47C71"},  {"T (36) 55", "47CE5"},
    {"G (69) 112", "47D1C"}, {"M (62) 97", "47D8C"},  {"V (38) 57", "47DED"},   {"R (70) 105", "47E26"},
}};

// The variant whose radio button is checked (the first in panel order if the form holds more
// than one); the "Brindle (U) (V1.0)" dump when none is.
const RomVariant& selectedVariant(const EditorForm& form);

// Checks the radio button of the variant with that button number and unchecks the other four.
// A number that is not one of the five changes nothing.
void selectVariant(EditorForm& form, int radioButton);

// A position outside 1..24 wrapped round onto it (25 is 1, 0 is 24).
int wrapPosition(int position);

// The position (1..24) of the catalogue letter with this label ("A (57) 84") or glyph ("A"); 0 when
// no letter has it.
int cataloguePosition(const QString& labelOrGlyph);

// The catalogue entry at a position; positions outside 1..24 wrap round onto it.
const CatalogueEntry& catalogueEntry(int position);

// The file offset of the letter at a catalogue position in the dump of that variant, as the
// upper-case hexadecimal text that Addr shows.
QString catalogueOffset(int position, const RomVariant& variant);

} // namespace vertiloom
