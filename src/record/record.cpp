// Reading and writing the bytes of a letter record; see record.h.
#include "record/record.h"

#include "model/error.h"
#include "model/fields.h"
#include "model/hex.h"

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
            throw Error(QStringLiteral("Read beyond end of file"));
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

void checkLimit(int count, int limit, const QString& what, const QString& whose, qint64 offset)
{
    if (count > limit) {
        throw Error(QStringLiteral("%1 at offset %2 has %3 %4; the editor holds at most %5.")
                        .arg(whose, IntToHexText(offset))
                        .arg(count)
                        .arg(what)
                        .arg(limit));
    }
}

} // namespace

LetterRecord parseRecord(const QByteArray& data, qsizetype start, qint64 offset, qsizetype* consumed)
{
    Reader in(data, start);
    LetterRecord record;
    const QString letter = QStringLiteral("The letter");

    const int pointCount = in.byte();
    checkLimit(pointCount, kPoints, QStringLiteral("points"), letter, offset);
    for (int n = 0; n < pointCount; ++n) {
        const std::uint8_t x = in.byte();
        const std::uint8_t y = in.byte();
        record.points.append({x, y});
    }

    const int polygonCount = in.byte();
    checkLimit(polygonCount, kPolygons, QStringLiteral("polygons"), letter, offset);
    for (int p = 1; p <= polygonCount; ++p) {
        const int corners = in.byte();
        checkLimit(corners, kCorners, QStringLiteral("corners"),
                   QStringLiteral("Polygon %1 of the letter").arg(p), offset);
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
