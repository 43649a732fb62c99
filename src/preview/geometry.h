// The geometry of editing a letter's points with the mouse: the points in signed units, finding
// the handle under the cursor, the rubber band, transforms with their range check and rounding,
// moves that stop at the edge, and snapping. Pure functions of units (a unit is one step of a
// coordinate, -128..127; the preview shows unit v at pixel v + 128); a view turns its screen
// pixels into units before it asks.
#pragma once

#include "model/form.h"

#include <QList>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <optional>

namespace vertiloom {

inline constexpr int kLowestUnit = -128;
inline constexpr int kHighestUnit = 127;

// A point of the letter: its number (1..20) and its signed coordinates.
struct UnitPoint {
    int n = 0;
    int x = 0;
    int y = 0;
    friend bool operator==(const UnitPoint&, const UnitPoint&) = default;
};

// The checked points whose two coordinates are two-digit hex texts, in number order.
QList<UnitPoint> letterPoints(const EditorForm& form);

// The two hex digits a field stores for a signed unit ("D6" for -42).
QString unitText(int unit);

// The point whose unit's centre (x + 0.5, y + 0.5) is nearest to at, within radius units; the lower
// number wins a tie. 0 when there is none.
int pointAt(const QList<UnitPoint>& points, QPointF at, double radius);

// The polygons (their numbers, in order) with a checked corner on point n.
QList<int> polygonsUsing(const EditorForm& form, int n);

// From one unit to another: the distance in units, and the direction in degrees, -180 < angle <= 180,
// 0 along +x and counter-clockwise as the board shows it (y grows downwards there, so 90 is straight
// up on the screen, towards lower y).
struct Measure {
    double distance = 0;
    double angle = 0;
};
Measure measured(QPoint from, QPoint to);

// The numbers of the points whose unit's centre lies in the rectangle with corners a and b.
QList<int> pointsInside(const QList<UnitPoint>& points, QPointF a, QPointF b);

// numerator / denominator (denominator > 0) rounded to a whole number, halves away from zero.
int roundedQuotient(qint64 numerator, qint64 denominator);

// A transform of a set of points. Flips and turns go about the centre of the points' bounding box
// (y grows downwards, as on the preview: a right turn is clockwise on the screen); a scale goes
// about it too, by percent; a move goes by dx, dy.
struct Transform {
    enum Kind { FlipHorizontally, FlipVertically, TurnLeft, TurnRight, Scale, Move } kind = Move;
    int percent = 100;
    int dx = 0;
    int dy = 0;
};

// The points transformed and rounded; or, when any would leave -128..127, nothing but the first such
// point (in number order) with the coordinates it would have had.
// The smallest box that holds the points' units (edges included); none for no points.
struct UnitBounds {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
std::optional<UnitBounds> boundsOf(const QList<UnitPoint>& points);

struct Transformed {
    QList<UnitPoint> points;
    std::optional<UnitPoint> outside;
};
Transformed transformed(const QList<UnitPoint>& points, const Transform& transform);

// The move by delta shortened on each axis so that every point stays inside -128..127: a drag stops
// at the edge.
QPoint insideDelta(const QList<UnitPoint>& points, QPoint delta);

// Where a dragged point lands when snapping is on: on another point's unit when that unit's centre
// is within radius units of at, else each coordinate rounded to the nearest multiple of 4 (the
// grid's finer lines), kept inside -128..127.
QPoint snapped(QPointF at, const QList<UnitPoint>& others, double radius);

// The unit whose square holds at (floor of each coordinate), kept inside -128..127.
QPoint unitAt(QPointF at);

} // namespace vertiloom
