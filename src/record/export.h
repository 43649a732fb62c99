// What the exports make of the memo: its bytes, checked to be one letter record, and the tagged
// text form ("<bh:xx>" per byte) for a hex editor.
#pragma once

#include "model/form.h"

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

// "Convert to Translhextion": rewrites the memo into the tagged form.
void convertToTranslhextion(EditorForm& form);

} // namespace vertiloom
