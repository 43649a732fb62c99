// Copy and paste of the board's points: the editor's own clipboard text of a part of a letter and
// its SVG drawing, written from the selection and read back into the letter.
//
// The own form is lines of text, the first naming the form and its version:
//   vertiloom-points 1
//   point -40 -40                              a point's x and y in units, -128..127
//   polygon 0000010200000102 1:00 2:00 3:00    the tail, then each corner: copied point (from 1) and
//                                              its parameter byte
#include "commands/commands.h"

#include "formats/svg.h"
#include "model/error.h"
#include "model/hex.h"
#include "model/messages.h"
#include "record/compiler.h"

#include <QRegularExpression>

namespace vertiloom {

namespace {

const QString kFormName = QStringLiteral("vertiloom-points");
constexpr int kFormVersion = 1;

QByteArray ownForm(const LetterPart& part)
{
    QString text = kFormName + QStringLiteral(" %1\n").arg(kFormVersion);
    for (const QPoint& point : part.points)
        text += QStringLiteral("point %1 %2\n").arg(point.x()).arg(point.y());
    for (const LetterPart::Polygon& polygon : part.polygons) {
        text += QStringLiteral("polygon ") + polygon.tail;
        for (qsizetype k = 0; k < polygon.corners.size(); ++k)
            text += QStringLiteral(" %1:%2").arg(polygon.corners[k] + 1).arg(polygon.parameters[k]);
        text += u'\n';
    }
    return text.toLatin1();
}

LetterPart readOwnForm(const QByteArray& bytes)
{
    QStringList lines = QString::fromLatin1(bytes).split(u'\n');
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    const QStringList head = lines.value(0).split(u' ');
    if (head.size() != 2 || head[0] != kFormName)
        throw Error(tr("The copied text holds no points of this editor: it does not begin with "
                       "\"vertiloom-points\". Nothing was pasted."));
    if (head[1] != QString::number(kFormVersion))
        throw Error(tr("The copied points are in form %1 of a newer version of this editor; this one reads form %2. "
                       "Nothing was pasted.")
                        .arg(head[1])
                        .arg(kFormVersion));

    static const QRegularExpression pointLine(QStringLiteral("^point (-?[0-9]{1,3}) (-?[0-9]{1,3})$"));
    static const QRegularExpression polygonLine(
        QStringLiteral("^polygon ([0-9A-F]{16})((?: [0-9]{1,2}:[0-9A-F]{2})+)$"));
    LetterPart part;
    QList<int> polygonLines;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const auto wrong = [&] {
            return Error(tr("The copied points can't be pasted: line %1 (\"%2\") is not as this editor writes "
                            "them. Nothing was pasted.")
                             .arg(i + 1)
                             .arg(line.left(60)));
        };
        if (const QRegularExpressionMatch m = pointLine.match(line); m.hasMatch()) {
            const int x = m.captured(1).toInt(), y = m.captured(2).toInt();
            const auto inside = [](int v) { return v >= kLowestUnit && v <= kHighestUnit; };
            if (!inside(x) || !inside(y) || !part.polygons.isEmpty())
                throw wrong();
            part.points << QPoint(x, y);
        } else if (const QRegularExpressionMatch m = polygonLine.match(line); m.hasMatch()) {
            LetterPart::Polygon polygon;
            polygon.tail = m.captured(1);
            for (const QString& corner : m.captured(2).split(u' ', Qt::SkipEmptyParts)) {
                const int index = corner.section(u':', 0, 0).toInt() - 1;
                if (index < 0 || index >= part.points.size())
                    throw wrong();
                polygon.corners << index;
                polygon.parameters << corner.section(u':', 1, 1);
            }
            if (polygon.corners.size() > kCorners)
                throw wrong();
            part.polygons << polygon;
        } else {
            throw wrong();
        }
    }
    if (part.points.isEmpty())
        throw Error(tr("The copied text of this editor holds no point. Nothing was pasted."));
    return part;
}

QByteArray hexBytes(const QString& text) { return QByteArray::fromHex(text.toLatin1()); }

// The part as a letter record of its own: its points in order, the polygons' references naming them.
LetterRecord recordOf(const LetterPart& part, const QStringList& letterTail)
{
    LetterRecord record;
    for (const QPoint& point : part.points)
        record.points.append({static_cast<std::uint8_t>(point.x()), static_cast<std::uint8_t>(point.y())});
    for (const LetterPart::Polygon& polygon : part.polygons) {
        PolygonBlock block;
        for (const int index : polygon.corners)
            block.vertexRefs.append(static_cast<char>(2 * index));
        block.parameters = hexBytes(polygon.parameters.join(QString()));
        record.polygons << block;
        record.polygonTails << hexBytes(polygon.tail);
    }
    record.letterTail =
        letterTail.size() == kLetterTailSize ? hexBytes(letterTail.join(QString())) : QByteArray(kLetterTailSize, '\0');
    return record;
}

// The part a record holds: every point, and each polygon with the corners that name one of them.
LetterPart partOf(const LetterRecord& record)
{
    LetterPart part;
    for (const auto& point : record.points)
        part.points << QPoint(static_cast<std::int8_t>(point[0]), static_cast<std::int8_t>(point[1]));
    for (qsizetype p = 0; p < record.polygons.size(); ++p) {
        const PolygonBlock& block = record.polygons[p];
        LetterPart::Polygon polygon;
        for (qsizetype k = 0; k < block.vertexRefs.size(); ++k) {
            const auto r = static_cast<std::uint8_t>(block.vertexRefs[k]);
            if (r % 2 != 0 || r / 2 >= record.points.size())
                continue;
            polygon.corners << r / 2;
            polygon.parameters << TwoDigitHex(
                k < block.parameters.size() ? static_cast<std::uint8_t>(block.parameters[k]) : 0);
        }
        polygon.tail = recordText(record.polygonTails.value(p));
        if (polygon.tail.size() != 2 * kPolygonTailSize)
            polygon.tail = QLatin1String(kDefaultPolygonTail);
        if (!polygon.corners.isEmpty())
            part.polygons << polygon;
    }
    return part;
}

} // namespace

CopiedPoints copyPoints(const Editor& editor, const QList<int>& numbers)
{
    const LetterPart part = copiedPart(editor, numbers);
    return {ownForm(part), letterToSvg(recordOf(part, editor.letterTail))};
}

QList<int> pastePoints(Editor& editor, const QByteArray& points) { return pastePart(editor, readOwnForm(points)); }

QList<int> pasteSvg(Editor& editor, const QByteArray& svg)
{
    // A polygon without tail bytes of its own gets a new polygon's.
    LetterRecord blank;
    for (int p = 0; p < kPolygons; ++p)
        blank.polygonTails << hexBytes(QLatin1String(kDefaultPolygonTail));
    return pastePart(editor, partOf(letterFromSvg(svg, blank)));
}

} // namespace vertiloom
