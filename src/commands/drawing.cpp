// The commands of the drawing board: moving points, transforming them, drawing a new polygon with
// the pen and deleting points. Each changes the fields as typing would and ends with START!, so the
// preview, the memo and every view follow; the board runs each through the undo history.
#include "commands/commands.h"

#include "model/error.h"
#include "model/hex.h"
#include "model/messages.h"
#include "record/compiler.h"

#include <algorithm>

namespace vertiloom {

namespace {

void putPoint(EditorForm& form, const UnitPoint& point)
{
    form.setText(FieldId::x(point.n), unitText(point.x));
    form.setText(FieldId::y(point.n), unitText(point.y));
}

int firstFreePoint(const EditorForm& form)
{
    for (int n = 1; n <= kPoints; ++n) {
        if (!form.checked(FieldId::checkBox(n)))
            return n;
    }
    return 0;
}

int firstAbsentPolygon(const EditorForm& form)
{
    for (int p = 1; p <= kPolygons; ++p) {
        if (form.text(FieldId::degree(p)) == QLatin1String("FF"))
            return p;
    }
    return 0;
}

bool present(const EditorForm& form, int p) { return form.text(FieldId::degree(p)) != QLatin1String("FF"); }

// The held tails go with the polygons in their order among the present ones, not with their slots: a
// polygon that comes into slot p takes its tail's place there, and one that goes takes its own along.
int tailIndex(const EditorForm& form, int p)
{
    int index = 0;
    for (int q = 1; q < p; ++q)
        index += present(form, q) ? 1 : 0;
    return index;
}

void insertTail(Editor& editor, int p, const QString& tail)
{
    auto& tails = editor.polygonTails;
    const int index = tailIndex(editor.form, p);
    std::shift_right(tails.begin() + index, tails.end(), 1);
    tails[static_cast<size_t>(index)] = tail;
}

void removeTail(Editor& editor, int p)
{
    auto& tails = editor.polygonTails;
    std::shift_left(tails.begin() + tailIndex(editor.form, p), tails.end(), 1);
    tails.back().clear();
}

// A corner as the form holds it.
struct CornerFields {
    QString reference;
    QString parameter;
    bool checked = false;
};

// Polygon p's eleven corners: these first, the rest cleared (reference and parameter 00, not checked).
// Each corner put names its point in its caption even where the reference field already held the
// text, so that no reaction ran (point 1 over a cleared "00").
void putCorners(EditorForm& form, int p, const QList<CornerFields>& corners)
{
    for (int k = 1; k <= kCorners; ++k) {
        const CornerFields corner =
            k <= corners.size() ? corners[k - 1] : CornerFields{QStringLiteral("00"), QStringLiteral("00"), false};
        form.setText(FieldId::pol(p, k), corner.reference);
        if (k <= corners.size())
            form.setText(FieldId::checkPol(p, k), cornerCaption(corner.reference));
        form.setText(FieldId::ipol(p, k), corner.parameter);
        form.setChecked(FieldId::checkPol(p, k), corner.checked);
    }
}

QString reference(int n) { return TwoDigitHex(2 * (n - 1)); }

// Slot n takes the x, y and check box of these fields.
void putPointAt(EditorForm& form, int n, const PointFields& fields)
{
    form.setText(FieldId::x(n), fields.x);
    form.setText(FieldId::y(n), fields.y);
    form.setChecked(FieldId::checkBox(n), fields.checked);
}

} // namespace

void movePoints(Editor& editor, const QList<UnitPoint>& points)
{
    for (const UnitPoint& point : points)
        putPoint(editor.form, point);
    start(editor);
}

void transformPoints(Editor& editor, const QList<int>& numbers, const Transform& transform)
{
    QList<UnitPoint> points = letterPoints(editor.form);
    if (!numbers.isEmpty())
        points.removeIf([&numbers](const UnitPoint& p) { return !numbers.contains(p.n); });
    if (points.isEmpty())
        throw Error(tr("There is no checked point to transform."));
    const Transformed result = transformed(points, transform);
    if (result.outside) {
        const UnitPoint& p = *result.outside;
        const bool xOut = p.x < kLowestUnit || p.x > kHighestUnit;
        throw Error(tr("Point %1 would go to %2 = %3, outside -128..127: nothing was changed.")
                        .arg(p.n)
                        .arg(xOut ? QStringLiteral("x") : QStringLiteral("y"))
                        .arg(xOut ? p.x : p.y));
    }
    movePoints(editor, result.points);
}

void checkPenCanStart(const Editor& editor)
{
    if (firstAbsentPolygon(editor.form) == 0)
        throw Error(tr("The letter already has 8 polygons, as many as a letter can hold."));
}

int addPoint(Editor& editor, QPoint unit)
{
    const int n = firstFreePoint(editor.form);
    if (n == 0)
        throw Error(tr("The letter already has 20 points, as many as a letter can hold."));
    editor.form.setChecked(FieldId::checkBox(n), true);
    putPoint(editor.form, {n, unit.x(), unit.y()});
    start(editor);
    return n;
}

void checkCornerCount(int corners)
{
    if (corners > kCorners)
        throw Error(tr("A polygon has at most 11 corners."));
}

void addPolygon(Editor& editor, const QList<int>& corners)
{
    checkPenCanStart(editor);
    checkCornerCount(static_cast<int>(corners.size()));
    EditorForm& form = editor.form;
    const int p = firstAbsentPolygon(form);
    insertTail(editor, p, QString());
    QList<CornerFields> fields;
    for (const int n : corners)
        fields << CornerFields{reference(n), QStringLiteral("00"), true};
    putCorners(form, p, fields);
    start(editor);
}

PointFields pointFields(const Editor& editor, int n)
{
    return {n, editor.form.text(FieldId::x(n)), editor.form.text(FieldId::y(n)),
            editor.form.checked(FieldId::checkBox(n))};
}

void putPointFields(Editor& editor, const QList<PointFields>& points)
{
    for (const PointFields& point : points) {
        editor.form.setText(FieldId::x(point.n), point.x);
        editor.form.setText(FieldId::y(point.n), point.y);
        editor.form.setChecked(FieldId::checkBox(point.n), point.checked);
    }
    start(editor);
}

void deletePoints(Editor& editor, const QList<int>& numbers)
{
    EditorForm& form = editor.form;
    QList<int> gone;
    for (int n = 1; n <= kPoints; ++n) {
        if (numbers.contains(n) && form.checked(FieldId::checkBox(n)))
            gone << n;
    }
    // Where the point in slot n goes once the gaps close.
    const auto movedTo = [&gone](int n) {
        return n - static_cast<int>(std::count_if(gone.cbegin(), gone.cend(), [n](int g) { return g < n; }));
    };

    // The polygons first, while the slots still say which present polygon holds which tail; the last
    // of them first, so that a tail taken out leaves the places of those before it as they are.
    for (int p = kPolygons; p >= 1; --p) {
        if (!present(form, p))
            continue;
        QList<CornerFields> kept;
        bool lost = false;
        for (int k = 1; k <= kCorners; ++k) {
            CornerFields corner{form.text(FieldId::pol(p, k)), form.text(FieldId::ipol(p, k)),
                                form.checked(FieldId::checkPol(p, k))};
            const int n = VertexRefToPoint(corner.reference);
            if (n != 0 && gone.contains(n)) {
                lost = lost || corner.checked;
                continue;
            }
            if (n != 0 && movedTo(n) != n)
                corner.reference = reference(movedTo(n));
            kept << corner;
        }
        if (lost && std::none_of(kept.cbegin(), kept.cend(), [](const CornerFields& c) { return c.checked; })) {
            removeTail(editor, p);
            kept.clear();
        }
        putCorners(form, p, kept);
    }

    for (int n = 1; n <= kPoints; ++n) {
        if (gone.contains(n) || movedTo(n) == n)
            continue;
        putPointAt(form, movedTo(n), pointFields(editor, n));
    }
    for (int n = kPoints - static_cast<int>(gone.size()) + 1; n <= kPoints; ++n)
        putPointAt(form, n, {n, QStringLiteral("00"), QStringLiteral("00"), false});
    start(editor);
}

LetterPart copiedPart(const Editor& editor, const QList<int>& numbers)
{
    const EditorForm& form = editor.form;
    LetterPart part;
    QList<int> copied; // the point numbers, in the order of part.points
    for (const UnitPoint& point : letterPoints(form)) {
        if (numbers.contains(point.n)) {
            copied << point.n;
            part.points << QPoint(point.x, point.y);
        }
    }
    if (part.points.isEmpty())
        throw Error(tr("No point of the letter is selected: there is nothing to copy."));
    int tail = 0;
    for (int p = 1; p <= kPolygons; ++p) {
        if (!present(form, p))
            continue;
        LetterPart::Polygon polygon;
        bool whole = true;
        for (int k = 1; k <= kCorners && whole; ++k) {
            if (!form.checked(FieldId::checkPol(p, k)))
                continue;
            const int index = static_cast<int>(copied.indexOf(VertexRefToPoint(form.text(FieldId::pol(p, k)))));
            whole = index >= 0;
            polygon.corners << index;
            polygon.parameters << PadToTwo(form.text(FieldId::ipol(p, k))).toUpper();
        }
        const QString& held = editor.polygonTails[static_cast<size_t>(tail++)];
        polygon.tail = held.isEmpty() ? QLatin1String(kDefaultPolygonTail) : held.toUpper();
        if (whole && !polygon.corners.isEmpty())
            part.polygons << polygon;
    }
    return part;
}

QList<int> pastePart(Editor& editor, const LetterPart& part)
{
    EditorForm& form = editor.form;
    QList<int> freePoints, freePolygons;
    for (int n = 1; n <= kPoints; ++n) {
        if (!form.checked(FieldId::checkBox(n)))
            freePoints << n;
    }
    for (int p = 1; p <= kPolygons; ++p) {
        if (!present(form, p))
            freePolygons << p;
    }
    const auto tooMany = [](const QString& message, qsizetype free, int limit, qsizetype pasted) {
        const qsizetype has = limit - free;
        return Error(message.arg(has).arg(pasted).arg(has + pasted));
    };
    if (part.points.size() > freePoints.size())
        throw tooMany(tr("The letter has %1 points; with the %2 pasted it would have %3, and a letter holds at "
                         "most 20. Nothing was pasted."),
                      freePoints.size(), kPoints, part.points.size());
    if (part.polygons.size() > freePolygons.size())
        throw tooMany(tr("The letter has %1 polygons; with the %2 pasted it would have %3, and a letter holds at "
                         "most 8. Nothing was pasted."),
                      freePolygons.size(), kPolygons, part.polygons.size());

    const QList<int> added = freePoints.first(part.points.size());
    for (qsizetype i = 0; i < part.points.size(); ++i) {
        const QPoint& unit = part.points[i];
        putPointAt(form, added[i], {added[i], unitText(unit.x()), unitText(unit.y()), true});
    }
    for (qsizetype i = 0; i < part.polygons.size(); ++i) {
        const LetterPart::Polygon& polygon = part.polygons[i];
        const int p = freePolygons[i];
        QList<CornerFields> corners;
        for (qsizetype k = 0; k < polygon.corners.size(); ++k)
            corners << CornerFields{reference(added[polygon.corners[k]]), polygon.parameters[k], true};
        insertTail(editor, p, polygon.tail);
        putCorners(form, p, corners);
        // Present from now on, as START! will count it, so that the next tail finds its place.
        form.setText(FieldId::degree(p), TwoDigitHex(corners.size()));
    }
    start(editor);
    return added;
}

} // namespace vertiloom
