// The commands around the fit: the box a fitted letter takes, a fitted letter as a record over the
// one it replaces, the shapes of source files, and the report in words.
#include "commands/commands.h"

#include "fit/sources.h"
#include "model/error.h"
#include "model/fields.h"
#include "model/hex.h"
#include "model/messages.h"
#include "record/compiler.h"
#include "record/export.h"
#include "record/files.h"
#include "preview/geometry.h"

#include <algorithm>

namespace vertiloom {

FitBox letterBox(const LetterRecord& record)
{
    QList<UnitPoint> points;
    for (const std::array<std::uint8_t, 2>& point : record.points)
        points.append({0, static_cast<std::int8_t>(point[0]), static_cast<std::int8_t>(point[1])});
    std::optional<UnitBounds> bounds = boundsOf(points);
    // No box to take (no points, or all on one unit): the default letter's.
    if (!bounds || (bounds->left == bounds->right && bounds->top == bounds->bottom)) {
        points.clear();
        for (int i = 0; i < kPoints; ++i)
            points.append({0, static_cast<std::int8_t>(HexToInt(QLatin1String(DefaultLetter::x[i]))),
                           static_cast<std::int8_t>(HexToInt(QLatin1String(DefaultLetter::y[i])))});
        bounds = boundsOf(points);
    }
    return {bounds->left, bounds->top, bounds->right, bounds->bottom};
}

LetterRecord fittedRecord(const FittedLetter& letter, const LetterRecord& current)
{
    LetterRecord record;
    for (const QPoint& p : letter.points)
        record.points.append({static_cast<std::uint8_t>(p.x()), static_cast<std::uint8_t>(p.y())});
    for (qsizetype p = 0; p < letter.polygons.size(); ++p) {
        const PolygonBlock* was = p < current.polygons.size() ? &current.polygons[p] : nullptr;
        PolygonBlock block;
        const QList<int>& corners = letter.polygons[p];
        for (qsizetype k = 0; k < corners.size(); ++k) {
            block.vertexRefs.append(static_cast<char>(2 * corners[k]));
            block.parameters.append(was && k < was->parameters.size() ? was->parameters[k] : '\0');
        }
        record.polygons.append(block);
        record.polygonTails.append(p < current.polygonTails.size() && current.polygonTails[p].size() == kPolygonTailSize
                                       ? current.polygonTails[p]
                                       : QByteArray::fromHex(kDefaultPolygonTail));
    }
    record.letterTail =
        current.letterTail.size() == kLetterTailSize ? current.letterTail : QByteArray(kLetterTailSize, '\0');
    return record;
}

QPainterPath shapeOfFile(const QString& path)
{
    const QByteArray bytes = readWholeFile(path);
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return shapeFromSvg(bytes, shownPath(path));
    return shapeFromPicture(pictureFromBytes(bytes, shownPath(path)));
}

LetterRecord memoLetter(const Editor& editor)
{
    try {
        return parseRecord(memoRecord(editor.form.text(FieldId::memo())), 0, -1);
    } catch (const Error&) {
        return {}; // no record in the memo: nothing to keep
    }
}

void takeFittedLetter(Editor& editor, const FittedLetter& letter)
{
    const Editor::SavedLetter saved = editor.savedLetter;
    applyRecord(editor, fittedRecord(letter, memoLetter(editor)), false);
    editor.savedLetter = saved;
}

QString fitReportText(const FitReport& report)
{
    return tr("%1 points, %2 polygons; %3 % of the filled area shared with the source, its edges at most %4 units "
              "from the source's.")
        .arg(report.points)
        .arg(report.polygons)
        .arg(QString::number(report.iou, 'f', 1), QString::number(report.largestDistance, 'f', 1));
}

} // namespace vertiloom
