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

#include <QFileInfo>
#include <QSet>
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

FitResult fitInPlaceOf(const QPainterPath& shape, FitStyle style, const std::optional<FitBox>& box,
                       const LetterRecord& current)
{
    const FittedLetter letter = fitLetter(shape, {style, box ? *box : letterBox(current)});
    return {fittedRecord(letter, current), letter.report};
}

QPainterPath shapeOf(const FitSource& source)
{
    return source.file.isEmpty() ? shapeFromFont(source.font, source.character) : shapeOfFile(source.file);
}

namespace {

QString codeOf(char32_t character)
{
    return QStringLiteral("U+%1").arg(static_cast<uint>(character), 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString fitSourceName(const FitSource& source)
{
    if (!source.file.isEmpty())
        return QFileInfo(source.file).fileName();
    if (!QChar::isPrint(source.character) || QChar::isSpace(source.character))
        return codeOf(source.character);
    return QStringLiteral("%1 (%2)").arg(QString::fromUcs4(&source.character, 1), codeOf(source.character));
}

QStringList fitFileNames(const QList<FitSource>& sources)
{
    QStringList names;
    QSet<QString> taken; // folded to lower case
    for (const FitSource& source : sources) {
        QString stem;
        if (source.file.isEmpty()) {
            stem = codeOf(source.character);
            if (QChar::isLetterOrNumber(source.character))
                stem.prepend(QString::fromUcs4(&source.character, 1) + u'-');
        } else {
            const QString base = QFileInfo(source.file).completeBaseName();
            for (qsizetype i = 0; i < base.size(); ++i) {
                const bool pair = base[i].isHighSurrogate() && i + 1 < base.size() && base[i + 1].isLowSurrogate();
                const char32_t c = pair ? QChar::surrogateToUcs4(base[i], base[i + 1]) : base[i].unicode();
                stem += QChar::isLetterOrNumber(c) || c == U'-' || c == U'_' ? base.sliced(i, pair ? 2 : 1)
                                                                             : QStringLiteral("-");
                i += pair ? 1 : 0;
            }
            if (stem.isEmpty())
                stem = QStringLiteral("letter");
            bool hex = false;
            if (stem.contains(u'_'))
                stem.section(u'_', -1).toLongLong(&hex, 16);
            if (hex)
                stem += QStringLiteral("-fit");
        }
        QString name = stem;
        for (int n = 2; taken.contains(name.toLower()); ++n)
            name = stem + u'-' + QString::number(n);
        taken.insert(name.toLower());
        names << name + QStringLiteral(".bin");
    }
    return names;
}

} // namespace vertiloom
