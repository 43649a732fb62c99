// The fit of a filled drawing into a letter within the game's limits; see fit.h.
//
// The drawing's contours are flattened, made into outer contours and holes by its fill rule (Clipper's
// union) and placed in the box. Their corners are then taken away one at a time, always the one
// whose loss changes the area least (Visvalingam's measure, over all contours at once, so the corners
// stay where the shape bends most; a contour at its last three corners goes whole at the cost of its
// area). Every stage from 26 corners down to 3 is a candidate: rounded to whole units, checked to be
// a valid region, then cut into convex pieces (or kept as outlines) and brought within the limits.
// The candidate whose filled letter overlaps the filled drawing best wins, the fewer points breaking
// near-ties; its points then move a unit at a time while the overlap grows.
#include "fit/fit.h"

#include "fit/convex.h"
#include "model/error.h"
#include "model/fields.h"
#include "model/messages.h"
#include "preview/geometry.h"

#include <clipper.hpp>

#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <set>
#include <tuple>

namespace vertiloom {

namespace {

namespace cl = ClipperLib;

// Clipper works on whole numbers: the drawing is flattened where its larger side is kFlatSide long
// (Qt flattens a curve to within half a step of that), then held at kClipperScale steps a unit.
constexpr double kFlatSide = 4096;
constexpr double kClipperScale = 1024;
// The stages of the simplification tried: up to this many corners over all contours.
constexpr int kMostCandidateCorners = 26;

struct Contour {
    QList<QPointF> corners;
    bool hole = false;
};

cl::IntPoint clipperPoint(QPointF p)
{
    return {cl::cInt(std::llround(p.x() * kClipperScale)), cl::cInt(std::llround(p.y() * kClipperScale))};
}

double pathsArea(const cl::Paths& paths)
{
    double sum = 0;
    for (const cl::Path& path : paths)
        sum += cl::Area(path);
    return std::abs(sum) / (kClipperScale * kClipperScale);
}

void checkBox(const FitBox& box)
{
    for (const int v : {box.x0, box.y0, box.x1, box.y1})
        if (v < kLowestUnit || v > kHighestUnit)
            throw Error(tr("The box %1,%2,%3,%4 reaches outside the letter's square: every coordinate of a letter is "
                           "within -128..127.")
                            .arg(box.x0)
                            .arg(box.y0)
                            .arg(box.x1)
                            .arg(box.y1));
    if (box.x0 == box.x1 && box.y0 == box.y1)
        throw Error(tr("The box %1,%2,%3,%4 is a single unit: a letter needs a box with a width or a height to "
                       "stand in.")
                        .arg(box.x0)
                        .arg(box.y0)
                        .arg(box.x1)
                        .arg(box.y1));
}

QString nothingToFit()
{
    return tr("There is nothing to fit: the drawing fills no area (its contours enclose nothing).");
}

// The drawing's filled area as outer contours and holes in Clipper's steps, flattened at kFlatSide.
cl::PolyTree filledArea(const QPainterPath& shape)
{
    const QRectF bounds = shape.controlPointRect();
    const double side = std::max(bounds.width(), bounds.height());
    if (shape.isEmpty() || !(side > 0) || !std::isfinite(side))
        throw Error(nothingToFit());
    const double scale = kFlatSide / side;
    QTransform toFlat;
    toFlat.scale(scale, scale);
    toFlat.translate(-bounds.left(), -bounds.top());
    cl::Paths paths;
    for (const QPolygonF& polygon : shape.toSubpathPolygons(toFlat)) {
        cl::Path path;
        for (const QPointF& p : polygon)
            path.push_back({cl::cInt(std::llround(p.x() * 256)), cl::cInt(std::llround(p.y() * 256))});
        paths.push_back(std::move(path));
    }
    cl::Clipper clipper;
    clipper.StrictlySimple(true);
    clipper.AddPaths(paths, cl::ptSubject, true);
    cl::PolyTree tree;
    const cl::PolyFillType rule = shape.fillRule() == Qt::WindingFill ? cl::pftNonZero : cl::pftEvenOdd;
    clipper.Execute(cl::ctUnion, tree, rule, rule);
    return tree;
}

// The contours of the filled area placed in the box: its bounding box scaled with the aspect kept,
// centred across and standing on the box's foot.
QList<Contour> placed(const cl::PolyTree& tree, const FitBox& box)
{
    cl::cInt left = 0, top = 0, right = 0, bottom = 0;
    bool any = false;
    for (const cl::PolyNode* node = tree.GetFirst(); node; node = node->GetNext())
        for (const cl::IntPoint& p : node->Contour) {
            left = any ? std::min(left, p.X) : p.X;
            right = any ? std::max(right, p.X) : p.X;
            top = any ? std::min(top, p.Y) : p.Y;
            bottom = any ? std::max(bottom, p.Y) : p.Y;
            any = true;
        }
    cl::Paths all;
    cl::PolyTreeToPaths(tree, all);
    if (!any || pathsArea(all) <= 0)
        throw Error(nothingToFit());
    const double width = double(right - left), height = double(bottom - top);
    const int boxWidth = std::abs(box.x1 - box.x0), boxHeight = std::abs(box.y1 - box.y0);
    const int boxLeft = std::min(box.x0, box.x1), foot = std::max(box.y0, box.y1);
    double scale = 0;
    if (boxWidth > 0)
        scale = boxWidth / width;
    if (boxHeight > 0)
        scale = scale > 0 ? std::min(scale, boxHeight / height) : boxHeight / height;
    // A box without a width lets the letter grow across from its middle as far as the square allows.
    const double middle = boxLeft + boxWidth / 2.0;
    scale = std::min(scale, 2 * std::min(middle - kLowestUnit, kHighestUnit - middle) / width);
    scale = std::min(scale, (foot - kLowestUnit) / height);
    const double x0 = middle - width * scale / 2;
    QList<Contour> contours;
    for (const cl::PolyNode* node = tree.GetFirst(); node; node = node->GetNext()) {
        Contour contour;
        contour.hole = node->IsHole();
        for (const cl::IntPoint& p : node->Contour)
            contour.corners.append({x0 + double(p.X - left) * scale, foot - double(bottom - p.Y) * scale});
        if (contour.corners.size() >= 3)
            contours.append(contour);
    }
    return contours;
}

double triangleArea(QPointF a, QPointF b, QPointF c)
{
    return std::abs((b.x() - a.x()) * (c.y() - a.y()) - (b.y() - a.y()) * (c.x() - a.x())) / 2;
}

double ringArea(const QList<QPointF>& ring)
{
    double sum = 0;
    for (qsizetype i = 0; i < ring.size(); ++i) {
        const QPointF a = ring[i], b = ring[(i + 1) % ring.size()];
        sum += a.x() * b.y() - b.x() * a.y();
    }
    return sum / 2;
}

// Every stage of the simplification with at most kMostCandidateCorners corners left, most corners
// first.
QList<QList<Contour>> simplifications(const QList<Contour>& contours)
{
    struct Vertex {
        QPointF at;
        int contour;
        int prev;
        int next;
        double cost;
    };
    QList<Vertex> vertices;
    QList<int> sizes, firsts;
    for (qsizetype c = 0; c < contours.size(); ++c) {
        const int first = int(vertices.size());
        const qsizetype n = contours[c].corners.size();
        for (qsizetype i = 0; i < n; ++i)
            vertices.append(
                {contours[c].corners[i], int(c), first + int((i + n - 1) % n), first + int((i + 1) % n), 0});
        sizes.append(int(n));
        firsts.append(first);
    }
    // Entries: (cost, 0 for a corner and 1 for a whole contour, its index).
    using Entry = std::tuple<double, int, int>;
    std::set<Entry> queue;
    const auto cornerCost = [&](int v) {
        return triangleArea(vertices[vertices[v].prev].at, vertices[v].at, vertices[vertices[v].next].at);
    };
    const auto ringOf = [&](int c) {
        QList<QPointF> ring;
        int v = firsts[c];
        for (int i = 0; i < sizes[c]; ++i, v = vertices[v].next)
            ring.append(vertices[v].at);
        return ring;
    };
    const auto enqueueContour = [&](int c) {
        int v = firsts[c];
        for (int i = 0; i < sizes[c]; ++i, v = vertices[v].next)
            queue.erase({vertices[v].cost, 0, v});
        queue.insert({std::abs(ringArea(ringOf(c))), 1, c});
    };
    for (int c = 0; c < contours.size(); ++c) {
        if (sizes[c] <= 3) {
            enqueueContour(c);
            continue;
        }
        int v = firsts[c];
        for (int i = 0; i < sizes[c]; ++i, v = vertices[v].next) {
            vertices[v].cost = cornerCost(v);
            queue.insert({vertices[v].cost, 0, v});
        }
    }
    int total = int(vertices.size());
    QList<QList<Contour>> stages;
    const auto record = [&] {
        QList<Contour> stage;
        for (int c = 0; c < contours.size(); ++c)
            if (sizes[c] > 0)
                stage.append({ringOf(c), contours[c].hole});
        stages.append(stage);
    };
    // Whether the edge from a to b would cross or touch an edge of any contour but those ending at a
    // or b. Only checked once few corners are left: before that the corners taken away cost far less
    // than a unit.
    QList<bool> alive(vertices.size(), true);
    const auto crosses = [&](int a, int b) {
        const QPointF p = vertices[a].at, q = vertices[b].at;
        const auto side = [](QPointF o, QPointF u, QPointF w) {
            const double t = (u.x() - o.x()) * (w.y() - o.y()) - (u.y() - o.y()) * (w.x() - o.x());
            return (t > 0) - (t < 0);
        };
        for (qsizetype v = 0; v < vertices.size(); ++v) {
            const int w = vertices[v].next;
            if (!alive[v] || v == a || v == b || w == a || w == b)
                continue;
            const QPointF r = vertices[v].at, s = vertices[w].at;
            if (std::max(r.x(), s.x()) < std::min(p.x(), q.x()) || std::min(r.x(), s.x()) > std::max(p.x(), q.x())
                || std::max(r.y(), s.y()) < std::min(p.y(), q.y()) || std::min(r.y(), s.y()) > std::max(p.y(), q.y()))
                continue;
            if (side(p, q, r) * side(p, q, s) <= 0 && side(r, s, p) * side(r, s, q) <= 0)
                return true;
        }
        return false;
    };
    constexpr double kBlocked = std::numeric_limits<double>::infinity();
    // A contour gone whole: the corners it blocked may go again.
    const auto removeContour = [&](int gone) {
        int v = firsts[gone];
        for (int i = 0; i < sizes[gone]; ++i, v = vertices[v].next)
            alive[v] = false;
        total -= sizes[gone];
        sizes[gone] = 0;
        queue.clear();
        for (int c = 0; c < contours.size(); ++c) {
            if (sizes[c] == 0)
                continue;
            if (sizes[c] <= 3) {
                queue.insert({std::abs(ringArea(ringOf(c))), 1, c});
                continue;
            }
            v = firsts[c];
            for (int i = 0; i < sizes[c]; ++i, v = vertices[v].next) {
                vertices[v].cost = cornerCost(v);
                queue.insert({vertices[v].cost, 0, v});
            }
        }
    };
    constexpr int kCheckedBelow = 300;
    int recorded = -1;
    while (!queue.empty()) {
        if (total <= kMostCandidateCorners && total != recorded) {
            record();
            recorded = total;
        }
        const auto [cost, kind, index] = *queue.begin();
        if (cost == kBlocked) {
            // Every corner left would make the contours cross: the smallest contour goes whole (a
            // thin ring becomes a disc).
            int smallest = -1;
            double least = 0;
            for (int c = 0; c < contours.size(); ++c) {
                const double area = sizes[c] > 0 ? std::abs(ringArea(ringOf(c))) : 0;
                if (sizes[c] > 0 && (smallest < 0 || area < least)) {
                    smallest = c;
                    least = area;
                }
            }
            removeContour(smallest);
            continue;
        }
        queue.erase(queue.begin());
        if (kind == 1) {
            removeContour(index);
            continue;
        }
        Vertex& gone = vertices[index];
        if (total <= kCheckedBelow && crosses(gone.prev, gone.next)) {
            gone.cost = kBlocked;
            queue.insert({kBlocked, 0, index});
            continue;
        }
        const int c = gone.contour;
        alive[index] = false;
        vertices[gone.prev].next = gone.next;
        vertices[gone.next].prev = gone.prev;
        if (firsts[c] == index)
            firsts[c] = gone.next;
        --sizes[c];
        --total;
        if (sizes[c] <= 3) {
            enqueueContour(c);
            continue;
        }
        for (const int v : {gone.prev, gone.next}) {
            queue.erase({vertices[v].cost, 0, v});
            vertices[v].cost = cornerCost(v);
            queue.insert({vertices[v].cost, 0, v});
        }
    }
    return stages;
}

// A stage rounded to whole units, its straight and repeated corners left out; a contour left with
// fewer than three corners goes.
fit::Region rounded(const QList<Contour>& stage, QList<bool>* holes)
{
    fit::Region region;
    for (const Contour& contour : stage) {
        QList<QPoint> ring;
        for (const QPointF& p : contour.corners) {
            const QPoint q(std::clamp(int(std::lround(p.x())), kLowestUnit, kHighestUnit),
                           std::clamp(int(std::lround(p.y())), kLowestUnit, kHighestUnit));
            if (ring.isEmpty() || ring.back() != q)
                ring.append(q);
        }
        while (ring.size() > 1 && ring.back() == ring.front())
            ring.removeLast();
        bool removed = true;
        while (removed && ring.size() >= 3) {
            removed = false;
            for (qsizetype i = 0; i < ring.size(); ++i) {
                const QPoint a = ring[(i + ring.size() - 1) % ring.size()], b = ring[i],
                             c = ring[(i + 1) % ring.size()];
                if (qint64(b.x() - a.x()) * (c.y() - a.y()) - qint64(b.y() - a.y()) * (c.x() - a.x()) == 0 || a == b) {
                    ring.remove(i);
                    removed = true;
                    break;
                }
            }
        }
        if (ring.size() < 3)
            continue;
        QList<int> indices;
        for (const QPoint& q : ring) {
            indices.append(int(region.points.size()));
            region.points.append(q);
        }
        region.contours.append(indices);
        holes->append(contour.hole);
    }
    return region;
}

// A candidate letter: polygons over region's points, and how the filled letter is read (pieces
// overlap and add up; outlines cut holes in each other).
struct Candidate {
    QList<QPoint> points;
    QList<QList<int>> polygons;
    double iou = -1;
};

// Convex pieces of more than kCorners corners split in two, and more than kPolygons pieces brought
// down by joining two into their convex hull or leaving one out, whichever gives up least area.
QList<QList<int>> withinLimits(const QList<QPoint>& points, QList<QList<int>> pieces)
{
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        while (pieces[i].size() > kCorners) {
            const QList<int> ring = pieces[i];
            const qsizetype half = ring.size() / 2;
            pieces[i] = ring.mid(0, half + 1);
            pieces.append(ring.mid(half) + QList<int>{ring[0]});
        }
    }
    while (pieces.size() > kPolygons) {
        qint64 bestCost = -1;
        qsizetype bestA = -1, bestB = -1;
        QList<int> bestHull;
        for (qsizetype a = 0; a < pieces.size(); ++a) {
            const qint64 areaA = fit::doubleArea(points, pieces[a]);
            if (bestCost < 0 || areaA < bestCost) {
                bestCost = areaA;
                bestA = a;
                bestB = -1;
            }
            for (qsizetype b = a + 1; b < pieces.size(); ++b) {
                const QList<int> hull = fit::convexHull(points, pieces[a] + pieces[b]);
                if (hull.size() > kCorners)
                    continue;
                const qint64 cost =
                    std::max<qint64>(0, fit::doubleArea(points, hull) - areaA - fit::doubleArea(points, pieces[b]));
                if (cost < bestCost) {
                    bestCost = cost;
                    bestA = a;
                    bestB = b;
                    bestHull = hull;
                }
            }
        }
        if (bestB < 0) {
            pieces.remove(bestA);
        } else {
            pieces[bestA] = bestHull;
            pieces.remove(bestB);
        }
    }
    return pieces;
}

// The candidate with only the points its polygons use, numbered as the polygons first reach them;
// the polygons from the top down (then from the left), each from its top-left corner.
Candidate tidied(const QList<QPoint>& points, QList<QList<int>> polygons)
{
    const auto key = [&](int i) { return std::make_pair(points[i].y(), points[i].x()); };
    for (QList<int>& ring : polygons) {
        const auto first = std::min_element(ring.begin(), ring.end(), [&](int l, int r) { return key(l) < key(r); });
        std::rotate(ring.begin(), first, ring.end());
    }
    std::stable_sort(polygons.begin(), polygons.end(), [&](const QList<int>& l, const QList<int>& r) {
        return std::make_pair(key(l[0]), key(l[1])) < std::make_pair(key(r[0]), key(r[1]));
    });
    Candidate out;
    QList<int> number(points.size(), -1);
    for (QList<int>& ring : polygons) {
        for (int& corner : ring) {
            if (number[corner] < 0) {
                number[corner] = int(out.points.size());
                out.points.append(points[corner]);
            }
            corner = number[corner];
        }
    }
    out.polygons = polygons;
    return out;
}

cl::Paths letterPaths(const Candidate& candidate)
{
    cl::Paths paths;
    for (const QList<int>& ring : candidate.polygons) {
        cl::Path path;
        for (const int corner : ring)
            path.push_back(clipperPoint(candidate.points[corner]));
        paths.push_back(path);
    }
    return paths;
}

cl::PolyFillType letterFill(FitStyle style) { return style == FitStyle::Pieces ? cl::pftNonZero : cl::pftEvenOdd; }

// The intersection over union of the filled letter and the filled drawing, in percent.
double overlap(const cl::Paths& source, double sourceArea, const Candidate& candidate, FitStyle style)
{
    cl::Clipper clipper;
    clipper.AddPaths(source, cl::ptSubject, true);
    clipper.AddPaths(letterPaths(candidate), cl::ptClip, true);
    cl::Paths both, letter;
    clipper.Execute(cl::ctIntersection, both, cl::pftNonZero, letterFill(style));
    const double common = pathsArea(both);
    cl::Clipper alone;
    alone.AddPaths(letterPaths(candidate), cl::ptSubject, true);
    alone.Execute(cl::ctUnion, letter, letterFill(style), letterFill(style));
    const double either = sourceArea + pathsArea(letter) - common;
    return either > 0 ? 100 * common / either : 0;
}

// The distance from p to the nearest edge of the rings.
double distanceTo(QPointF p, const QList<QList<QPointF>>& rings)
{
    double best = std::numeric_limits<double>::max();
    for (const QList<QPointF>& ring : rings)
        for (qsizetype i = 0; i < ring.size(); ++i) {
            const QPointF a = ring[i], b = ring[(i + 1) % ring.size()];
            const QPointF d = b - a;
            const double length = QPointF::dotProduct(d, d);
            const double t = length > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / length, 0.0, 1.0) : 0;
            const QPointF q = a + t * d - p;
            best = std::min(best, QPointF::dotProduct(q, q));
        }
    return std::sqrt(best);
}

// The largest distance from a point of one set of edges to the other set: both ways, each edge walked
// in steps of at most half a unit.
double largestDistance(const QList<QList<QPointF>>& from, const QList<QList<QPointF>>& to)
{
    double worst = 0;
    for (const QList<QPointF>& ring : from)
        for (qsizetype i = 0; i < ring.size(); ++i) {
            const QPointF a = ring[i], b = ring[(i + 1) % ring.size()];
            const int steps = std::max(1, int(std::ceil(std::hypot(b.x() - a.x(), b.y() - a.y()) * 2)));
            for (int s = 0; s < steps; ++s)
                worst = std::max(worst, distanceTo(a + (b - a) * (double(s) / steps), to));
        }
    return worst;
}

QList<QList<QPointF>> unitRings(const cl::Paths& paths)
{
    QList<QList<QPointF>> rings;
    for (const cl::Path& path : paths) {
        QList<QPointF> ring;
        for (const cl::IntPoint& p : path)
            ring.append({p.X / kClipperScale, p.Y / kClipperScale});
        rings.append(ring);
    }
    return rings;
}

// Spans of a horizontal line inside a filled area, sorted and apart.
using Spans = QList<std::pair<double, double>>;

// The crossings of the line at y with the rings' edges, paired up by the even-odd rule.
Spans evenOddSpans(const QList<QList<QPointF>>& rings, double y)
{
    QList<double> xs;
    for (const QList<QPointF>& ring : rings)
        for (qsizetype i = 0; i < ring.size(); ++i) {
            const QPointF a = ring[i], b = ring[(i + 1) % ring.size()];
            if ((a.y() <= y) != (b.y() <= y))
                xs.append(a.x() + (y - a.y()) * (b.x() - a.x()) / (b.y() - a.y()));
        }
    std::sort(xs.begin(), xs.end());
    Spans spans;
    for (qsizetype i = 0; i + 1 < xs.size(); i += 2)
        spans.append({xs[i], xs[i + 1]});
    return spans;
}

double length(const Spans& spans)
{
    double sum = 0;
    for (const auto& [from, to] : spans)
        sum += to - from;
    return sum;
}

// The filled areas measured along lines across the letter: fast enough to try every move of
// every point, the exact overlap (Clipper's) being worked out once at the end.
class RowMeasure {
public:
    // Rows on every unit's middle at least, more on a small letter: between two whole units a
    // straight side's crossing moves evenly, so the middle row measures the letter's band exactly.
    RowMeasure(const cl::Paths& source, FitStyle style, int top, int bottom)
        : style_(style), top_(top), step_(1.0 / std::max(1, 256 / std::max(1, bottom - top))),
          rows_(int(std::lround((bottom - top) / step_)))
    {
        const QList<QList<QPointF>> rings = unitRings(source);
        for (int r = 0; r < rows_; ++r) {
            source_.append(evenOddSpans(rings, y(r)));
            sourceArea_ += length(source_.back()) * step_;
        }
    }

    double sourceArea() const { return sourceArea_; }
    int rowCount() const { return rows_; }

    // The rows the band from y0 to y1 crosses.
    std::pair<int, int> rows(double y0, double y1) const
    {
        return {std::clamp(int(std::floor((y0 - top_) / step_)), 0, rows_),
                std::clamp(int(std::ceil((y1 - top_) / step_)) + 1, 0, rows_)};
    }

    // The letter's area and its area in common with the drawing within the rows from r0 to r1.
    std::pair<double, double> areas(const Candidate& candidate, int r0, int r1) const
    {
        // No allocation here: it runs for every move tried. A row crosses each convex piece at most
        // twice, and the outlines at most once an edge.
        struct Ring {
            std::array<QPointF, kCorners> corners;
            int size;
            double top;
            double bottom;
        };
        std::array<Ring, kPolygons> rings;
        const qsizetype ringCount = std::min<qsizetype>(candidate.polygons.size(), kPolygons);
        for (qsizetype p = 0; p < ringCount; ++p) {
            Ring& ring = rings[p];
            ring.size = int(std::min<qsizetype>(candidate.polygons[p].size(), kCorners));
            ring.top = std::numeric_limits<double>::max();
            ring.bottom = std::numeric_limits<double>::lowest();
            for (int i = 0; i < ring.size; ++i) {
                ring.corners[i] = candidate.points[candidate.polygons[p][i]];
                ring.top = std::min(ring.top, ring.corners[i].y());
                ring.bottom = std::max(ring.bottom, ring.corners[i].y());
            }
        }
        std::array<double, kPolygons * kCorners> xs;
        std::array<std::pair<double, double>, kPolygons * kCorners / 2> spans;
        double letter = 0, common = 0;
        for (int r = r0; r < r1; ++r) {
            const double at = y(r);
            qsizetype count = 0;
            for (qsizetype p = 0; p < ringCount; ++p) {
                const Ring& ring = rings[p];
                if (at < ring.top || at > ring.bottom)
                    continue;
                double low = std::numeric_limits<double>::max(), high = std::numeric_limits<double>::lowest();
                for (int i = 0; i < ring.size; ++i) {
                    const QPointF a = ring.corners[i], b = ring.corners[i + 1 < ring.size ? i + 1 : 0];
                    if ((a.y() <= at) == (b.y() <= at))
                        continue;
                    const double x = a.x() + (at - a.y()) * (b.x() - a.x()) / (b.y() - a.y());
                    if (style_ == FitStyle::Outline) {
                        xs[count++] = x;
                    } else {
                        low = std::min(low, x);
                        high = std::max(high, x);
                    }
                }
                if (style_ == FitStyle::Pieces && low < high)
                    spans[count++] = {low, high};
            }
            qsizetype joined = 0;
            if (style_ == FitStyle::Outline) {
                std::sort(xs.begin(), xs.begin() + count);
                for (qsizetype i = 0; i + 1 < count; i += 2)
                    spans[joined++] = {xs[i], xs[i + 1]};
            } else {
                std::sort(spans.begin(), spans.begin() + count);
                for (qsizetype i = 0; i < count; ++i) {
                    if (joined > 0 && spans[i].first <= spans[joined - 1].second)
                        spans[joined - 1].second = std::max(spans[joined - 1].second, spans[i].second);
                    else
                        spans[joined++] = spans[i];
                }
            }
            const Spans& drawn = source_[r];
            for (qsizetype i = 0, j = 0; i < joined; ++i) {
                letter += (spans[i].second - spans[i].first) * step_;
                while (j < drawn.size() && drawn[j].second <= spans[i].first)
                    ++j;
                for (qsizetype k = j; k < drawn.size() && drawn[k].first < spans[i].second; ++k)
                    common +=
                        (std::min(spans[i].second, drawn[k].second) - std::max(spans[i].first, drawn[k].first)) * step_;
            }
        }
        return {letter, common};
    }

private:
    double y(int r) const { return top_ + (r + 0.5) * step_; }

    FitStyle style_;
    double top_;
    double step_;
    int rows_;
    QList<Spans> source_;
    double sourceArea_ = 0;
};

// The candidate with its points moved a unit at a time, each move kept when it makes the overlap
// larger and leaves every piece convex (every outline simple), within the candidate's bounds: the
// corners Visvalingam's measure left on the drawing's edge move to where the straight sides balance
// what they cut off and what they add.
Candidate nudged(Candidate candidate, const RowMeasure& measure, FitStyle style)
{
    QRect bounds;
    for (const QPoint& p : candidate.points)
        bounds |= QRect(p, QSize(1, 1));
    QList<QList<int>> users(candidate.points.size());
    for (qsizetype i = 0; i < candidate.polygons.size(); ++i)
        for (const int corner : candidate.polygons[i])
            users[corner].append(int(i));
    const auto allowed = [&](int moved) {
        if (!bounds.contains(candidate.points[moved]))
            return false;
        for (qsizetype j = 0; j < candidate.points.size(); ++j)
            if (j != moved && candidate.points[j] == candidate.points[moved])
                return false;
        if (style == FitStyle::Outline)
            return fit::isValid({candidate.points, candidate.polygons});
        for (const int i : users[moved])
            if (!fit::isConvex(candidate.points, candidate.polygons[i]))
                return false;
        return true;
    };
    auto [letterArea, common] = measure.areas(candidate, 0, measure.rowCount());
    const auto overlapOf = [&](double l, double c) {
        const double either = measure.sourceArea() + l - c;
        return either > 0 ? c / either : 0;
    };
    constexpr int kRounds = 6;
    for (int round = 0; round < kRounds; ++round) {
        bool better = false;
        for (int n = 0; n < candidate.points.size(); ++n) {
            // A move changes the letter only on the rows of the polygons on the moved point.
            const QPoint from = candidate.points[n];
            int top = from.y(), bottom = from.y();
            for (const int i : users[n])
                for (const int corner : candidate.polygons[i]) {
                    top = std::min(top, candidate.points[corner].y());
                    bottom = std::max(bottom, candidate.points[corner].y());
                }
            const auto [r0, r1] = measure.rows(top - 1, bottom + 1);
            const auto [letterBefore, commonBefore] = measure.areas(candidate, r0, r1);
            QPoint bestAt = from;
            double bestOverlap = overlapOf(letterArea, common), bestLetter = letterArea, bestCommon = common;
            for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1), QPoint(1, 1),
                                      QPoint(-1, -1), QPoint(1, -1), QPoint(-1, 1)}) {
                candidate.points[n] = from + step;
                if (!allowed(n))
                    continue;
                const auto [letterNow, commonNow] = measure.areas(candidate, r0, r1);
                const double l = letterArea - letterBefore + letterNow, c = common - commonBefore + commonNow;
                if (overlapOf(l, c) > bestOverlap + 1e-12) {
                    bestOverlap = overlapOf(l, c);
                    bestAt = from + step;
                    bestLetter = l;
                    bestCommon = c;
                }
            }
            candidate.points[n] = bestAt;
            if (bestAt != from) {
                letterArea = bestLetter;
                common = bestCommon;
                better = true;
            }
        }
        if (!better)
            break;
    }
    return candidate;
}

} // namespace

FittedLetter fitLetter(const QPainterPath& shape, const FitOptions& options)
{
    checkBox(options.box);
    const QList<Contour> contours = placed(filledArea(shape), options.box);
    cl::Paths source;
    for (const Contour& contour : contours) {
        cl::Path path;
        for (const QPointF& p : contour.corners)
            path.push_back(clipperPoint(p));
        source.push_back(path);
    }
    const double sourceArea = pathsArea(source);
    if (!(sourceArea > 0))
        throw Error(nothingToFit());

    QList<Candidate> candidates;
    for (const QList<Contour>& stage : simplifications(contours)) {
        QList<bool> holes;
        const fit::Region region = rounded(stage, &holes);
        if (region.contours.isEmpty() || !fit::isValid(region))
            continue;
        QList<QList<int>> polygons;
        if (options.style == FitStyle::Pieces) {
            polygons = withinLimits(region.points, fit::convexPieces(region));
        } else {
            polygons = region.contours;
            for (qsizetype i = 0; i < polygons.size(); ++i)
                if ((fit::doubleArea(region.points, polygons[i]) > 0) == holes[i])
                    std::reverse(polygons[i].begin(), polygons[i].end());
            // The smallest contours go while there are more than the letter holds.
            while (polygons.size() > kPolygons) {
                const auto smallest =
                    std::min_element(polygons.begin(), polygons.end(), [&](const auto& l, const auto& r) {
                        return std::abs(fit::doubleArea(region.points, l))
                               < std::abs(fit::doubleArea(region.points, r));
                    });
                polygons.erase(smallest);
            }
            if (std::any_of(polygons.begin(), polygons.end(), [](const auto& ring) { return ring.size() > kCorners; }))
                continue;
        }
        if (polygons.isEmpty())
            continue;
        Candidate candidate = tidied(region.points, polygons);
        if (candidate.points.size() > kPoints)
            continue;
        candidate.iou = overlap(source, sourceArea, candidate, options.style);
        candidates.append(candidate);
    }
    if (candidates.isEmpty())
        throw Error(nothingToFit());
    // Within a little of the best overlap the fewest points win: the outline is after the fewest
    // corners, the pieces only skip points that buy next to nothing.
    double bestOverlap = 0;
    for (const Candidate& c : candidates)
        bestOverlap = std::max(bestOverlap, c.iou);
    const double near = bestOverlap - (options.style == FitStyle::Outline ? 1.0 : 0.25);
    const auto cost = [](const Candidate& c) {
        qsizetype corners = 0;
        for (const QList<int>& ring : c.polygons)
            corners += ring.size();
        return std::make_tuple(c.points.size(), c.polygons.size(), corners, -c.iou);
    };
    Candidate best;
    for (const Candidate& c : candidates)
        if (c.iou >= near && (best.iou < 0 || cost(c) < cost(best)))
            best = c;
    double top = best.points[0].y(), bottom = top;
    for (const Contour& contour : contours)
        for (const QPointF& p : contour.corners) {
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
    const RowMeasure measure(source, options.style, int(std::floor(top)) - 1, int(std::ceil(bottom)) + 1);
    best = nudged(best, measure, options.style);
    best.iou = overlap(source, sourceArea, best, options.style);

    FittedLetter letter;
    letter.points = best.points;
    letter.polygons = best.polygons;
    letter.report.points = int(best.points.size());
    letter.report.polygons = int(best.polygons.size());
    letter.report.iou = best.iou;
    cl::Paths filled;
    cl::Clipper clipper;
    clipper.AddPaths(letterPaths(best), cl::ptSubject, true);
    clipper.Execute(cl::ctUnion, filled, letterFill(options.style), letterFill(options.style));
    const QList<QList<QPointF>> sourceEdges = unitRings(source), letterEdges = unitRings(filled);
    letter.report.largestDistance =
        std::max(largestDistance(sourceEdges, letterEdges), largestDistance(letterEdges, sourceEdges));
    return letter;
}

} // namespace vertiloom
