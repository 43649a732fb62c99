// The commands of the drawing board: moving points, transforming them, drawing a new polygon with
// the pen and deleting points. Each changes the fields as typing would and ends with START!, so the
// preview, the memo and every view follow; the board runs each through the undo history.
#include "commands/commands.h"

#include "model/error.h"
#include "model/hex.h"
#include "model/messages.h"

#include <algorithm>

namespace vertiloom {

namespace {

void putPoint(EditorForm& form, const UnitPoint& point)
{
    form.setText(FieldId::x(point.n), unitText(point.x));
    form.setText(FieldId::y(point.n), unitText(point.y));
}

// The polygon whose checked corners use point n, or 0.
int polygonUsing(const EditorForm& form, int n)
{
    for (int p = 1; p <= kPolygons; ++p) {
        for (int k = 1; k <= kCorners; ++k) {
            if (form.checked(FieldId::checkPol(p, k)) && VertexRefToPoint(form.text(FieldId::pol(p, k))) == n)
                return p;
        }
    }
    return 0;
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
    for (int k = 1; k <= kCorners; ++k) {
        const bool used = k <= corners.size();
        form.setText(FieldId::pol(p, k), used ? TwoDigitHex(2 * (corners[k - 1] - 1)) : QStringLiteral("00"));
        form.setText(FieldId::ipol(p, k), QStringLiteral("00"));
        form.setChecked(FieldId::checkPol(p, k), used);
    }
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
    for (const int n : numbers) {
        if (const int p = polygonUsing(editor.form, n))
            throw Error(tr("Point %1 is a corner of polygon %2: take it out of the polygon first. Nothing was deleted.")
                            .arg(n)
                            .arg(p));
    }
    for (const int n : numbers)
        editor.form.setChecked(FieldId::checkBox(n), false);
    start(editor);
}

} // namespace vertiloom
