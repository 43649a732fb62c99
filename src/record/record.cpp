// Reading and writing the bytes of a letter record; see record.h.
#include "record/record.h"

#include "model/error.h"
#include "model/fields.h"
#include "model/hex.h"
#include "model/messages.h"

namespace vertiloom {

QByteArray LetterRecord::toBytes() const
{
    QByteArray out;
    out.append(static_cast<char>(points.size()));
    for (const auto& point : points) {
        out.append(static_cast<char>(point[0]));
        out.append(static_cast<char>(point[1]));
    }
    out.append(static_cast<char>(polygons.size()));
    for (const PolygonBlock& polygon : polygons) {
        out.append(static_cast<char>(polygon.vertexRefs.size()));
        out.append(polygon.vertexRefs);
        out.append(polygon.parameters);
    }
    out.append(letterTail);
    for (const QByteArray& tail : polygonTails)
        out.append(tail);
    return out;
}

QString recordText(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex().toUpper()); }

namespace {

class Reader {
public:
    Reader(const QByteArray& data, qsizetype start) : data_(data), pos_(start) {}

    std::uint8_t byte()
    {
        if (pos_ >= data_.size())
            throw Error(vertiloom::tr("Read beyond end of file"));
        return static_cast<std::uint8_t>(data_[pos_++]);
    }
    QByteArray bytes(int count)
    {
        QByteArray out;
        for (int i = 0; i < count; ++i)
            out.append(static_cast<char>(byte()));
        return out;
    }
    qsizetype position() const { return pos_; }

private:
    const QByteArray& data_;
    qsizetype pos_;
};

// The refusal of a count over the limit: the sentence that names the offset, or for a record in no
// file (a negative offset) the one without it. Both have their placeholders before the offset's
// (a polygon's number) filled already.
Error tooMany(qint64 offset, const QString& inFile, const QString& inNoFile, int count, int limit)
{
    const QString n = QString::number(count);
    const QString most = QString::number(limit);
    return offset < 0 ? Error(inNoFile.arg(n, most)) : Error(inFile.arg(IntToHexText(offset), n, most));
}

} // namespace

LetterRecord parseRecord(const QByteArray& data, qsizetype start, qint64 offset, qsizetype* consumed)
{
    Reader in(data, start);
    LetterRecord record;

    const int pointCount = in.byte();
    if (pointCount > kPoints)
        throw tooMany(offset, tr("The letter at offset %1 has %2 points; the editor holds at most %3."),
                      tr("The letter has %1 points; the editor holds at most %2."), pointCount, kPoints);
    for (int n = 0; n < pointCount; ++n) {
        const std::uint8_t x = in.byte();
        const std::uint8_t y = in.byte();
        record.points.append({x, y});
    }

    const int polygonCount = in.byte();
    if (polygonCount > kPolygons)
        throw tooMany(offset, tr("The letter at offset %1 has %2 polygons; the editor holds at most %3."),
                      tr("The letter has %1 polygons; the editor holds at most %2."), polygonCount, kPolygons);
    for (int p = 1; p <= polygonCount; ++p) {
        const int corners = in.byte();
        if (corners > kCorners)
            throw tooMany(
                offset, tr("Polygon %1 of the letter at offset %2 has %3 corners; the editor holds at most %4.").arg(p),
                tr("Polygon %1 of the letter has %2 corners; the editor holds at most %3.").arg(p), corners, kCorners);
        PolygonBlock block;
        block.vertexRefs = in.bytes(corners);
        block.parameters = in.bytes(corners);
        record.polygons.append(block);
    }

    record.letterTail = in.bytes(kLetterTailSize);
    for (int p = 0; p < polygonCount; ++p)
        record.polygonTails.append(in.bytes(kPolygonTailSize));

    if (consumed)
        *consumed = in.position() - start;
    return record;
}

} // namespace vertiloom
