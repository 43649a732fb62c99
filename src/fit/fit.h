// The fit: a filled drawing (closed contours with a fill rule, curves allowed) made into a letter
// within the game's limits, placed in a box of units, either as convex pieces sharing their corner
// points (as the game's own letters are built) or as one polygon per contour, with a report of how
// close it came.
#pragma once

#include <QList>
#include <QPainterPath>
#include <QPoint>

namespace vertiloom {

// Convex pieces whose union covers the drawing, or one polygon per contour (holes included).
enum class FitStyle { Pieces, Outline };

// The letter's box in units, -128..127, corners included: y grows downwards, so y1 is the foot.
struct FitBox {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
};

struct FitOptions {
    FitStyle style = FitStyle::Pieces;
    FitBox box;
};

// What the fit made and how close it came: the overlap of the filled letter and the filled drawing
// (intersection over union, in percent) and the largest distance between their edges, in units.
struct FitReport {
    int points = 0;
    int polygons = 0;
    double iou = 0;
    double largestDistance = 0;
};

// The letter: its points in units, its polygons as corner lists of 0-based point indices (clockwise
// on the board, a hole of the outline style counter-clockwise), and the report.
struct FittedLetter {
    QList<QPoint> points;
    QList<QList<int>> polygons;
    FitReport report;
};

// The letter within the game's limits (at most 20 points, 8 polygons, 11 corners each, whole units
// in -128..127) closest to shape's filled area (its curves flattened, its fill rule kept), placed
// in the box: scaled with its aspect kept, centred across and standing on the box's foot. The same
// shape and options give the same letter. Throws Error when the shape fills no area or the box
// reaches outside the letter's square.
FittedLetter fitLetter(const QPainterPath& shape, const FitOptions& options);

} // namespace vertiloom
