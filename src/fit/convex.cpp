// The fit's exact geometry on whole units; see convex.h. Every test is exact integer arithmetic:
// the coordinates are at most 256 apart, so every product fits comfortably in 64 bits.
#include "fit/convex.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace vertiloom::fit {

namespace {

qint64 cross(QPoint a, QPoint b, QPoint c)
{
    return qint64(b.x() - a.x()) * (c.y() - a.y()) - qint64(b.y() - a.y()) * (c.x() - a.x());
}

int sign(qint64 v) { return (v > 0) - (v < 0); }

// Whether c, known to be on the line through a and b, lies within their box.
bool within(QPoint a, QPoint b, QPoint c)
{
    return std::min(a.x(), b.x()) <= c.x() && c.x() <= std::max(a.x(), b.x()) && std::min(a.y(), b.y()) <= c.y()
           && c.y() <= std::max(a.y(), b.y());
}

// Whether the closed segments ab and cd have a point in common.
bool segmentsMeet(QPoint a, QPoint b, QPoint c, QPoint d)
{
    const int d1 = sign(cross(a, b, c));
    const int d2 = sign(cross(a, b, d));
    const int d3 = sign(cross(c, d, a));
    const int d4 = sign(cross(c, d, b));
    if (d1 * d2 < 0 && d3 * d4 < 0)
        return true;
    return (d1 == 0 && within(a, b, c)) || (d2 == 0 && within(a, b, d)) || (d3 == 0 && within(c, d, a))
           || (d4 == 0 && within(c, d, b));
}

// Whether the point (px, py) / scale is inside the even-odd fill of the region's contours; it must
// not lie on an edge.
bool insideRegion(const Region& region, qint64 px, qint64 py, qint64 scale)
{
    bool inside = false;
    for (const QList<int>& ring : region.contours) {
        for (qsizetype i = 0; i < ring.size(); ++i) {
            const QPoint a = region.points[ring[i]];
            const QPoint b = region.points[ring[(i + 1) % ring.size()]];
            const qint64 ay = a.y() * scale, by = b.y() * scale, ax = a.x() * scale, bx = b.x() * scale;
            if ((ay > py) == (by > py))
                continue;
            // px < the crossing's x, multiplied out by (by - ay) with its sign.
            const qint64 lhs = (px - ax) * (by - ay);
            const qint64 rhs = (py - ay) * (bx - ax);
            if (by > ay ? lhs < rhs : lhs > rhs)
                inside = !inside;
        }
    }
    return inside;
}

struct Edge {
    int a;
    int b;
};

QList<Edge> boundaryEdges(const Region& region)
{
    QList<Edge> edges;
    for (const QList<int>& ring : region.contours)
        for (qsizetype i = 0; i < ring.size(); ++i)
            edges.append({ring[i], ring[(i + 1) % ring.size()]});
    return edges;
}

// The corners of a ring with the straight ones left out.
QList<int> withoutStraightCorners(const QList<QPoint>& points, QList<int> ring)
{
    bool removed = true;
    while (removed && ring.size() > 3) {
        removed = false;
        for (qsizetype i = 0; i < ring.size(); ++i) {
            const QPoint a = points[ring[(i + ring.size() - 1) % ring.size()]];
            const QPoint b = points[ring[i]];
            const QPoint c = points[ring[(i + 1) % ring.size()]];
            if (cross(a, b, c) == 0) {
                ring.remove(i);
                removed = true;
                break;
            }
        }
    }
    return ring;
}

// The two convex pieces joined along their common edge, or nothing when the join is not convex.
QList<int> joined(const QList<QPoint>& points, const QList<int>& a, const QList<int>& b, int u, int v)
{
    const qsizetype na = a.size(), nb = b.size();
    const qsizetype ua = a.indexOf(u), ub = b.indexOf(u);
    QList<int> ring;
    ring.reserve(na + nb - 2);
    for (qsizetype t = 0; t < na; ++t)
        ring.append(a[(ua + 1 + t) % na]); // v ... u
    for (qsizetype t = 0; t < nb - 2; ++t)
        ring.append(b[(ub + 1 + t) % nb]); // after u ... before v
    Q_UNUSED(v);
    for (qsizetype i = 0; i < ring.size(); ++i)
        if (cross(points[ring[(i + ring.size() - 1) % ring.size()]], points[ring[i]],
                  points[ring[(i + 1) % ring.size()]])
            < 0)
            return {};
    return withoutStraightCorners(points, ring);
}

// Whether ring runs from u straight to v.
bool hasEdge(const QList<int>& ring, int u, int v)
{
    const qsizetype i = ring.indexOf(u);
    return i >= 0 && ring[(i + 1) % ring.size()] == v;
}

// Hertel and Mehlhorn's merging: the triangles joined across each diagonal in the order given, where
// the join stays convex.
QList<QList<int>> merged(const QList<QPoint>& points, QList<QList<int>> pieces, const QList<Edge>& diagonals)
{
    for (const Edge& d : diagonals) {
        qsizetype first = -1, second = -1;
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            if (hasEdge(pieces[i], d.a, d.b))
                first = i;
            else if (hasEdge(pieces[i], d.b, d.a))
                second = i;
        }
        if (first < 0 || second < 0)
            continue; // the diagonal became a straight corner's side of a piece already joined
        const QList<int> ring = joined(points, pieces[first], pieces[second], d.a, d.b);
        if (ring.isEmpty())
            continue;
        pieces[first] = ring;
        pieces.remove(second);
    }
    return pieces;
}

} // namespace

qint64 doubleArea(const QList<QPoint>& points, const QList<int>& ring)
{
    qint64 sum = 0;
    for (qsizetype i = 0; i < ring.size(); ++i) {
        const QPoint a = points[ring[i]];
        const QPoint b = points[ring[(i + 1) % ring.size()]];
        sum += qint64(a.x()) * b.y() - qint64(b.x()) * a.y();
    }
    return sum;
}

bool isValid(const Region& region)
{
    QList<int> used;
    for (const QList<int>& ring : region.contours) {
        if (ring.size() < 3 || doubleArea(region.points, ring) == 0)
            return false;
        for (qsizetype i = 0; i < ring.size(); ++i)
            if (cross(region.points[ring[(i + ring.size() - 1) % ring.size()]], region.points[ring[i]],
                      region.points[ring[(i + 1) % ring.size()]])
                == 0)
                return false;
        used += ring;
    }
    for (qsizetype i = 0; i < used.size(); ++i)
        for (qsizetype j = i + 1; j < used.size(); ++j)
            if (used[i] == used[j] || region.points[used[i]] == region.points[used[j]])
                return false;
    const QList<Edge> edges = boundaryEdges(region);
    for (qsizetype i = 0; i < edges.size(); ++i) {
        for (qsizetype j = i + 1; j < edges.size(); ++j) {
            const Edge e = edges[i], f = edges[j];
            if (e.a == f.a || e.a == f.b || e.b == f.a || e.b == f.b)
                continue; // neighbours meet at their corner, which is no straight one
            if (segmentsMeet(region.points[e.a], region.points[e.b], region.points[f.a], region.points[f.b]))
                return false;
        }
    }
    return true;
}

bool isConvex(const QList<QPoint>& points, const QList<int>& ring)
{
    if (ring.size() < 3)
        return false;
    for (qsizetype i = 0; i < ring.size(); ++i)
        if (cross(points[ring[(i + ring.size() - 1) % ring.size()]], points[ring[i]],
                  points[ring[(i + 1) % ring.size()]])
            <= 0)
            return false;
    // Every turn clockwise and the turns adding up to one round: no ring winding twice.
    const QPoint o = points[ring[0]];
    for (qsizetype i = 1; i + 1 < ring.size(); ++i)
        if (cross(o, points[ring[i]], points[ring[i + 1]]) <= 0)
            return false;
    return true;
}

QList<QList<int>> convexPieces(const Region& region)
{
    const QList<QPoint>& p = region.points;
    QList<int> corners;
    for (const QList<int>& ring : region.contours)
        corners += ring;
    std::sort(corners.begin(), corners.end());
    const qsizetype n = corners.size();
    const int size = p.size();
    // Which pairs of points an edge or diagonal joins.
    QList<char> joins(qsizetype(size) * size, 0);
    const auto join = [&](int a, int b) { joins[qsizetype(a) * size + b] = joins[qsizetype(b) * size + a] = 1; };
    const auto joinedUp = [&](int a, int b) { return joins[qsizetype(a) * size + b] != 0; };
    QList<Edge> segments = boundaryEdges(region);
    for (const Edge& e : segments)
        join(e.a, e.b);

    // The shortest diagonals first: each inside the region, crossing nothing taken before and
    // passing through no corner. Taking them while any fits triangulates the region.
    struct Candidate {
        qint64 length;
        int a;
        int b;
    };
    QList<Candidate> candidates;
    for (qsizetype i = 0; i < n; ++i)
        for (qsizetype j = i + 1; j < n; ++j) {
            const int a = corners[i], b = corners[j];
            if (joinedUp(a, b))
                continue;
            const QPoint d = p[b] - p[a];
            candidates.append({qint64(d.x()) * d.x() + qint64(d.y()) * d.y(), a, b});
        }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& l, const Candidate& r) {
        return std::tie(l.length, l.a, l.b) < std::tie(r.length, r.a, r.b);
    });
    QList<Edge> diagonals;
    for (const Candidate& c : candidates) {
        const QPoint a = p[c.a], b = p[c.b];
        bool clear = true;
        for (const Edge& s : segments) {
            const bool sharesA = s.a == c.a || s.b == c.a, sharesB = s.a == c.b || s.b == c.b;
            if (sharesA || sharesB) {
                // Only overlapping along a line could make them meet beyond the shared corner.
                const int other = sharesA ? (s.a == c.a ? s.b : s.a) : (s.a == c.b ? s.b : s.a);
                const QPoint from = sharesA ? a : b, to = sharesA ? b : a;
                const QPoint o = p[other];
                if (cross(from, to, o) == 0
                    && qint64(to.x() - from.x()) * (o.x() - from.x()) + qint64(to.y() - from.y()) * (o.y() - from.y())
                           > 0) {
                    clear = false;
                    break;
                }
                continue;
            }
            if (segmentsMeet(a, b, p[s.a], p[s.b])) {
                clear = false;
                break;
            }
        }
        for (qsizetype k = 0; clear && k < n; ++k) {
            const int q = corners[k];
            if (q != c.a && q != c.b && cross(a, b, p[q]) == 0 && within(a, b, p[q]))
                clear = false;
        }
        if (!clear || !insideRegion(region, qint64(a.x()) + b.x(), qint64(a.y()) + b.y(), 2))
            continue;
        segments.append({c.a, c.b});
        diagonals.append({c.a, c.b});
        join(c.a, c.b);
    }

    // The triangles: three joined corners around a piece of the region holding no other corner.
    QList<QList<int>> triangles;
    for (qsizetype i = 0; i < n; ++i)
        for (qsizetype j = i + 1; j < n; ++j) {
            if (!joinedUp(corners[i], corners[j]))
                continue;
            for (qsizetype k = j + 1; k < n; ++k) {
                const int a = corners[i], b = corners[j], c = corners[k];
                if (!joinedUp(a, c) || !joinedUp(b, c))
                    continue;
                const qint64 turn = cross(p[a], p[b], p[c]);
                if (turn == 0)
                    continue;
                if (!insideRegion(region, qint64(p[a].x()) + p[b].x() + p[c].x(),
                                  qint64(p[a].y()) + p[b].y() + p[c].y(), 3))
                    continue;
                bool empty = true;
                for (qsizetype m = 0; empty && m < n; ++m) {
                    const int q = corners[m];
                    if (q == a || q == b || q == c)
                        continue;
                    const int s1 = sign(cross(p[a], p[b], p[q])), s2 = sign(cross(p[b], p[c], p[q])),
                              s3 = sign(cross(p[c], p[a], p[q]));
                    const int s = sign(turn);
                    if (s1 != -s && s2 != -s && s3 != -s)
                        empty = false;
                }
                if (empty)
                    triangles.append(turn > 0 ? QList<int>{a, b, c} : QList<int>{a, c, b});
            }
        }

    // The joins tried in several orders, the fewest pieces kept: the longest diagonals first, the
    // shortest first, and a few shuffles from a fixed seed.
    QList<QList<Edge>> orders;
    orders.append(diagonals);
    std::reverse(orders[0].begin(), orders[0].end());
    orders.append(diagonals);
    quint32 seed = 0x9E3779B9u;
    for (int round = 0; round < 6; ++round) {
        QList<Edge> shuffled = diagonals;
        for (qsizetype i = shuffled.size() - 1; i > 0; --i) {
            seed = seed * 1664525u + 1013904223u;
            std::swap(shuffled[i], shuffled[(seed >> 8) % quint32(i + 1)]);
        }
        orders.append(shuffled);
    }
    QList<QList<int>> best;
    for (const QList<Edge>& order : orders) {
        QList<QList<int>> pieces = merged(p, triangles, order);
        if (best.isEmpty() || pieces.size() < best.size())
            best = pieces;
    }
    return best;
}

QList<int> convexHull(const QList<QPoint>& points, const QList<int>& corners)
{
    QList<int> sorted = corners;
    std::sort(sorted.begin(), sorted.end(), [&](int l, int r) {
        return std::make_pair(points[l].x(), points[l].y()) < std::make_pair(points[r].x(), points[r].y())
               || (points[l] == points[r] && l < r);
    });
    sorted.erase(std::unique(sorted.begin(), sorted.end(), [&](int l, int r) { return points[l] == points[r]; }),
                 sorted.end());
    if (sorted.size() < 3)
        return sorted;
    // Andrew's monotone chain; turns with a positive cross product are clockwise on the board.
    QList<int> hull;
    for (int pass = 0; pass < 2; ++pass) {
        const qsizetype start = hull.size();
        for (qsizetype i = 0; i < sorted.size(); ++i) {
            const int q = pass == 0 ? sorted[i] : sorted[sorted.size() - 1 - i];
            while (hull.size() >= start + 2
                   && cross(points[hull[hull.size() - 2]], points[hull.back()], points[q]) <= 0)
                hull.removeLast();
            hull.append(q);
        }
        hull.removeLast();
    }
    return hull;
}

} // namespace vertiloom::fit
