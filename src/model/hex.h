// The six conversions between the hexadecimal texts of the editor's fields and numbers, bytes,
// point numbers and preview coordinates. Pure functions: bad input gives 0, byte 0 or "".
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace vertiloom {

// Position of c in "0123456789ABCDEF", or 0 when it is not one of them (case-sensitive).
int HexDigitValue(QChar c);

// Hexadecimal text to a 32-bit signed integer; either case; any other character, anywhere,
// makes the result 0. Eight digits wrap ("FFFFFFFF" is -1); longer texts keep the low 32 bits.
std::int32_t HexToInt(const QString& text);

// Upper-case hexadecimal text without leading zeros ("0" for zero). A negative value gives its
// 32-bit two's complement ("FFFFFFFF" for -1), so the text always reads back through HexToInt.
QString IntToHexText(std::int64_t value);

// Two characters per byte from the start; a pair that is not hexadecimal gives byte 0; a single
// trailing character is dropped.
QByteArray HexToBytes(const QString& text);

// Vertex reference ("00", "02" ... "26", and "0" ... "E" for points 1 to 8) to the decimal point
// number "1" ... "20"; any other text gives "".
QString VertexRefToPointNumber(const QString& text);

// Two upper-case hex digits of a signed coordinate to the decimal preview position, value + 128
// ("80" gives "0", "00" gives "128", "7F" gives "255"); any other text gives "".
QString HexToPreviewCoord(const QString& text);

// The same two conversions as numbers, for drawing: the point number, 0 where
// VertexRefToPointNumber gives ""; the preview position, -1 where HexToPreviewCoord gives "".
int VertexRefToPoint(const QString& text);
int HexToPreviewPosition(const QString& text);

// The two-digit form that every field writer stores: IntToHexText with a "0" in front of a single
// digit.
QString TwoDigitHex(std::int64_t value);

// A single-character text gets a "0" in front; any other text is returned as it is.
QString PadToTwo(const QString& text);

} // namespace vertiloom
