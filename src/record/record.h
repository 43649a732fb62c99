// The letter record as the game stores it: point count, points, polygon count, polygon blocks
// (count, vertex references, then parameter bytes), a 3-byte letter tail and one 8-byte tail per
// polygon. Reading checks every count against what the editor can hold.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <cstdint>

namespace vertiloom {

inline constexpr int kLetterTailSize = 3;
inline constexpr int kPolygonTailSize = 8;
// The longest record the editor can hold: 20 points and 8 polygons of 11 corners.
inline constexpr int kMaxRecordSize = 1 + 2 * 20 + 1 + 8 * (1 + 2 * 11) + kLetterTailSize + 8 * kPolygonTailSize;

struct PolygonBlock {
    QByteArray vertexRefs; // one byte per corner
    QByteArray parameters; // as many as vertexRefs
    friend bool operator==(const PolygonBlock&, const PolygonBlock&) = default;
};

struct LetterRecord {
    QList<std::array<std::uint8_t, 2>> points; // x, y as stored (signed bytes)
    QList<PolygonBlock> polygons;
    QByteArray letterTail;          // 3 bytes
    QList<QByteArray> polygonTails; // 8 bytes each, one per polygon

    QByteArray toBytes() const;
    friend bool operator==(const LetterRecord&, const LetterRecord&) = default;
};

// The record text of bytes: two upper-case hex digits per byte, no separators.
QString recordText(const QByteArray& bytes);

// Reads the record that starts at data[start]. `offset` is the record's offset in its file, used
// in messages only; a negative one (a record in no file, such as the memo's) leaves it out of them.
// Throws Error with "Read beyond end of file" (in the user's language: tr()) when the data ends
// before the record does, and with a message naming the count, the limit and the offset when a
// count is more than the editor holds. `consumed` receives the record's length.
LetterRecord parseRecord(const QByteArray& data, qsizetype start, qint64 offset, qsizetype* consumed = nullptr);

} // namespace vertiloom
