// The small pictures of the four picture buttons, drawn here rather than shipped as files.
#pragma once

#include <QIcon>

namespace vertiloom {

// BitBtn1 reload, BitBtn2 clear, BitBtn3 read the words, BitBtn4 write the words.
QIcon bitBtnGlyph(int n);

inline constexpr int kGlyphSize = 16;

} // namespace vertiloom
