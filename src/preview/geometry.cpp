// The geometry of editing points; see geometry.h. Transforms work on doubled coordinates, so that
// the centre of a bounding box (half a unit when its width is odd) stays a whole number until the
// one rounding at the end.
#include "preview/geometry.h"

#include "model/hex.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace vertiloom {

QList<UnitPoint> letterPoints(const EditorForm& form)
{
    QList<UnitPoint> points;
    for (int n = 1; n <= kPoints; ++n) {
        if (!form.checked(FieldId::checkBox(n)))
            continue;
        const int x = HexToPreviewPosition(form.text(FieldId::x(n)));
        const int y = HexToPreviewPosition(form.text(FieldId::y(n)));
        if (x >= 0 && y >= 0)
            points << UnitPoint{n, x - 128, y - 128};
    }
    return points;
}

QString unitText(int unit) { return TwoDigitHex(unit & 0xFF); }

int pointAt(const QList<UnitPoint>& points, QPointF at, double radius)
{
    int found = 0;
    double best = radius * radius;
    for (const UnitPoint& p : points) {
        const double dx = p.x + 0.5 - at.x();
        const double dy = p.y + 0.5 - at.y();
        const double distance = dx * dx + dy * dy;
        if (distance <= best && (found == 0 || distance < best)) {
            best = distance;
            found = p.n;
        }
    }
    return found;
}

QList<int> polygonsUsing(const EditorForm& form, int n)
{
    QList<int> polygons;
    for (int p = 1; p <= kPolygons; ++p) {
        for (int k = 1; k <= kCorners; ++k) {
            if (form.checked(FieldId::checkPol(p, k)) && VertexRefToPoint(form.text(FieldId::pol(p, k))) == n) {
                polygons << p;
                break;
            }
        }
    }
    return polygons;
}

Measure measured(QPoint from, QPoint to)
{
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    if (dx == 0 && dy == 0)
        return {};
    // The board's y grows downwards: up on the screen is the counter-clockwise side.
    const double angle = std::atan2(double(-dy), double(dx)) * 180.0 / std::numbers::pi;
    return {std::hypot(double(dx), double(dy)), angle == -180.0 ? 180.0 : angle};
}

QList<int> pointsInside(const QList<UnitPoint>& points, QPointF a, QPointF b)
{
    const double left = std::min(a.x(), b.x()), right = std::max(a.x(), b.x());
    const double top = std::min(a.y(), b.y()), bottom = std::max(a.y(), b.y());
    QList<int> inside;
    for (const UnitPoint& p : points) {
        const double x = p.x + 0.5, y = p.y + 0.5;
        if (x >= left && x <= right && y >= top && y <= bottom)
            inside << p.n;
    }
    return inside;
}

int roundedQuotient(qint64 numerator, qint64 denominator)
{
    const qint64 magnitude = (std::llabs(numerator) * 2 + denominator) / (2 * denominator);
    return static_cast<int>(numerator < 0 ? -magnitude : magnitude);
}

namespace {

// The doubled centre about which a set turns. When the bounding box's doubled centre has one odd
// coordinate (a centre on the middle of a unit's edge), no turn about it lands on whole units; it
// moves half a unit along that axis, to whichever of the two neighbours makes the sum of its
// coordinates even. The neighbours chosen so go round each such centre as the set turns, so four
// turns, or a turn and its opposite, give the points back exactly.
QPoint turningCentre(int sx, int sy)
{
    if ((sx + sy) % 2 == 0)
        return {sx, sy};
    const auto even = [](int a, int b) { return ((a / 2 + b / 2) & 1) == 0; }; // a and b are even
    if (sx % 2 != 0)
        return even(sx - 1, sy) ? QPoint(sx - 1, sy) : QPoint(sx + 1, sy);
    return even(sx, sy - 1) ? QPoint(sx, sy - 1) : QPoint(sx, sy + 1);
}

} // namespace

std::optional<UnitBounds> boundsOf(const QList<UnitPoint>& points)
{
    if (points.isEmpty())
        return std::nullopt;
    UnitBounds box{kHighestUnit, kHighestUnit, kLowestUnit, kLowestUnit};
    for (const UnitPoint& p : points) {
        box.left = std::min(box.left, p.x);
        box.right = std::max(box.right, p.x);
        box.top = std::min(box.top, p.y);
        box.bottom = std::max(box.bottom, p.y);
    }
    return box;
}

Transformed transformed(const QList<UnitPoint>& points, const Transform& transform)
{
    Transformed result;
    const std::optional<UnitBounds> box = boundsOf(points);
    if (!box)
        return result;
    // Doubled centre of the bounding box.
    const int sx = box->left + box->right, sy = box->top + box->bottom;
    const QPoint c = turningCentre(sx, sy);
    for (const UnitPoint& p : points) {
        UnitPoint q = p;
        switch (transform.kind) {
        case Transform::FlipHorizontally:
            q.x = sx - p.x;
            break;
        case Transform::FlipVertically:
            q.y = sy - p.y;
            break;
        case Transform::TurnRight: // (dx, dy) -> (-dy, dx): clockwise with y downwards
            q.x = roundedQuotient(qint64(c.x()) + c.y() - 2 * p.y, 2);
            q.y = roundedQuotient(qint64(c.y()) - c.x() + 2 * p.x, 2);
            break;
        case Transform::TurnLeft: // (dx, dy) -> (dy, -dx)
            q.x = roundedQuotient(qint64(c.x()) - c.y() + 2 * p.y, 2);
            q.y = roundedQuotient(qint64(c.y()) + c.x() - 2 * p.x, 2);
            break;
        case Transform::Scale:
            q.x = roundedQuotient(100LL * sx + qint64(2 * p.x - sx) * transform.percent, 200);
            q.y = roundedQuotient(100LL * sy + qint64(2 * p.y - sy) * transform.percent, 200);
            break;
        case Transform::Move:
            q.x = p.x + transform.dx;
            q.y = p.y + transform.dy;
            break;
        }
        const auto inside = [](int v) { return v >= kLowestUnit && v <= kHighestUnit; };
        if (!inside(q.x) || !inside(q.y)) {
            result.points.clear();
            result.outside = q;
            return result;
        }
        result.points << q;
    }
    return result;
}

QPoint insideDelta(const QList<UnitPoint>& points, QPoint delta)
{
    int dx = delta.x(), dy = delta.y();
    for (const UnitPoint& p : points) {
        dx = std::clamp(dx, kLowestUnit - p.x, kHighestUnit - p.x);
        dy = std::clamp(dy, kLowestUnit - p.y, kHighestUnit - p.y);
    }
    return {dx, dy};
}

QPoint unitAt(QPointF at)
{
    const auto unit = [](double v) {
        return static_cast<int>(std::clamp(std::floor(v), double(kLowestUnit), double(kHighestUnit)));
    };
    return {unit(at.x()), unit(at.y())};
}

QPoint snapped(QPointF at, const QList<UnitPoint>& others, double radius)
{
    if (const int n = pointAt(others, at, radius)) {
        const auto it = std::find_if(others.cbegin(), others.cend(), [n](const UnitPoint& p) { return p.n == n; });
        return {it->x, it->y};
    }
    const auto grid = [](double v) {
        const int line = 4 * static_cast<int>(std::lround((v - 0.5) / 4.0));
        return std::clamp(line, kLowestUnit, kHighestUnit);
    };
    return {grid(at.x()), grid(at.y())};
}

} // namespace vertiloom
