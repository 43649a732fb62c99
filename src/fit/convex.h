// The fit's exact geometry on whole units: whether simplified contours still make a valid region,
// and that region cut into convex pieces on its own corners (no new points).
#pragma once

#include <QList>
#include <QPoint>

namespace vertiloom::fit {

// A region as the even-odd fill of its contours, every contour a ring of indices into points.
struct Region {
    QList<QPoint> points;
    QList<QList<int>> contours;
};

// Twice the signed area of a ring: positive when it runs clockwise on the board (y down).
qint64 doubleArea(const QList<QPoint>& points, const QList<int>& ring);

// Whether the contours are simple, at least triangles, on distinct points, and cross or touch
// neither themselves nor each other.
bool isValid(const Region& region);

// Whether the ring is convex and clockwise on the board with no straight corner.
bool isConvex(const QList<QPoint>& points, const QList<int>& ring);

// The valid region cut into convex pieces along diagonals between its corners, each clockwise on
// the board with no straight corner, as few as the merging finds.
QList<QList<int>> convexPieces(const Region& region);

// The convex hull of the corners of the given rings, clockwise on the board, straight corners left
// out.
QList<int> convexHull(const QList<QPoint>& points, const QList<int>& corners);

} // namespace vertiloom::fit
