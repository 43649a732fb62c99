// The sample ROM image: the 24 letters of the catalogue drawn as simple polygon letters and
// digits at the offsets of the (U) (V1.0) dump, and the PAUSE and GAME OVER words at that dump's
// word offsets, on a fixed filler. It lets someone without the game's ROM image try every command.
#pragma once

#include "record/record.h"

#include <QByteArray>

namespace vertiloom {

inline constexpr qsizetype kSampleImageSize = 2'097'152;
inline constexpr char kSampleFiller = '\xFF';

// The sample letter at catalogue position 1..24.
LetterRecord sampleLetter(int position);

// The whole sample image.
QByteArray sampleRomImage();

} // namespace vertiloom
