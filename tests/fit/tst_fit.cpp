// The fit: generated shapes (rectangles, L shapes, rings, crosses, random stars) fitted within the
// limits, convex pieces, the same letter twice; drawings that already fit coming back exact; the
// placement in the box; and the drawings and boxes it refuses.
#include "fit/fit.h"
#include "model/error.h"

#include <QRandomGenerator>
#include <QtTest>
#include <cmath>

using namespace vertiloom;

Q_DECLARE_METATYPE(vertiloom::FitStyle)
Q_DECLARE_METATYPE(vertiloom::FitBox)

namespace {

QPainterPath polygonPath(const QList<QPointF>& corners, Qt::FillRule rule = Qt::OddEvenFill)
{
    QPainterPath path;
    path.setFillRule(rule);
    path.addPolygon(QPolygonF(corners));
    path.closeSubpath();
    return path;
}

QPainterPath ring(double outer, double inner)
{
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), outer, outer);
    path.addEllipse(QPointF(0, 0), inner, inner);
    return path;
}

// Two bars crossing, filled by the winding rule as a font fills its overlapping contours.
QPainterPath cross()
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addPolygon(QPolygonF({{0, 0}, {20, 0}, {100, 140}, {80, 140}}));
    path.closeSubpath();
    path.addPolygon(QPolygonF({{80, 0}, {100, 0}, {20, 140}, {0, 140}}));
    path.closeSubpath();
    return path;
}

// A star of spikes corners at random radii from a fixed seed, with curves between some of them.
QPainterPath star(quint32 seed, int spikes)
{
    QRandomGenerator random(seed);
    QPainterPath path;
    for (int i = 0; i < 2 * spikes; ++i) {
        const double angle = M_PI * i / spikes;
        const double radius = (i % 2 == 0 ? 60 : 15) + random.bounded(40);
        const QPointF at(radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0)
            path.moveTo(at);
        else if (random.bounded(3) == 0)
            path.quadTo(at * 0.8 + path.currentPosition() * 0.2 + QPointF(5, 5), at);
        else
            path.lineTo(at);
    }
    path.closeSubpath();
    return path;
}

// Whether the ring turns clockwise on the board at every corner (y down), with no straight corner,
// and goes round once.
bool convex(const QList<QPoint>& points, const QList<int>& ring)
{
    const auto turn = [&](QPoint a, QPoint b, QPoint c) {
        return qint64(b.x() - a.x()) * (c.y() - a.y()) - qint64(b.y() - a.y()) * (c.x() - a.x());
    };
    const qsizetype n = ring.size();
    for (qsizetype i = 0; i < n; ++i)
        if (turn(points[ring[i]], points[ring[(i + 1) % n]], points[ring[(i + 2) % n]]) <= 0)
            return false;
    for (qsizetype i = 1; i + 1 < n; ++i)
        if (turn(points[ring[0]], points[ring[i]], points[ring[i + 1]]) <= 0)
            return false;
    return n >= 3;
}

} // namespace

class FitTest : public QObject {
    Q_OBJECT

private slots:
    void withinLimits_data();
    void withinLimits();
    void exact_data();
    void exact();
    void placement_data();
    void placement();
    void refusals_data();
    void refusals();
};

void FitTest::withinLimits_data()
{
    QTest::addColumn<QPainterPath>("shape");
    QTest::addColumn<FitStyle>("style");
    QTest::addColumn<FitBox>("box");
    QTest::addColumn<double>("leastOverlap");

    const QPainterPath ell = polygonPath({{0, 0}, {30, 0}, {30, 70}, {90, 70}, {90, 100}, {0, 100}});
    for (const FitStyle style : {FitStyle::Pieces, FitStyle::Outline}) {
        const char* name = style == FitStyle::Pieces ? "pieces" : "outline";
        QTest::addRow("%s: rectangle", name)
            << polygonPath({{0, 0}, {0.5, 0}, {0.5, 2}, {0, 2}}) << style << FitBox{-128, -128, 127, 127} << 98.0;
        QTest::addRow("%s: L", name) << ell << style << FitBox{-30, -50, 30, 10} << 97.0;
        QTest::addRow("%s: ring", name) << ring(100, 60) << style << FitBox{-40, -40, 40, 40} << 90.0;
        QTest::addRow("%s: thin ring", name) << ring(100, 92) << style << FitBox{-100, -100, 100, 100} << 5.0;
        QTest::addRow("%s: cross", name) << cross() << style << FitBox{-50, -70, 50, 70}
                                         << (style == FitStyle::Pieces ? 95.0 : 85.0); // twelve corners to 11
        for (quint32 seed = 1; seed <= 12; ++seed)
            QTest::addRow("%s: star %u", name, seed)
                << star(seed, 3 + int(seed % 9)) << style << FitBox{-128, -100, 127, 127}
                << (style == FitStyle::Pieces ? 70.0 : 60.0);
        // Nine dots: more contours than polygons.
        QPainterPath dots;
        for (int i = 0; i < 9; ++i)
            dots.addRect(30 * (i % 3), 30 * (i / 3), 10 + i, 10 + i);
        QTest::addRow("%s: nine dots", name) << dots << style << FitBox{-60, -60, 60, 60} << 50.0;
    }
}

// Every letter within the limits and its box, every piece convex, and the same letter for the same
// shape.
void FitTest::withinLimits()
{
    QFETCH(QPainterPath, shape);
    QFETCH(FitStyle, style);
    QFETCH(FitBox, box);
    QFETCH(double, leastOverlap);

    const FittedLetter letter = fitLetter(shape, {style, box});
    QVERIFY(letter.points.size() <= 20);
    QVERIFY(!letter.polygons.isEmpty() && letter.polygons.size() <= 8);
    QCOMPARE(letter.report.points, letter.points.size());
    QCOMPARE(letter.report.polygons, letter.polygons.size());
    for (const QPoint& p : letter.points) {
        QVERIFY2(p.x() >= box.x0 && p.x() <= box.x1 && p.y() >= box.y0 && p.y() <= box.y1,
                 qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        QCOMPARE(letter.points.count(p), 1);
    }
    QList<int> used;
    for (const QList<int>& ring : letter.polygons) {
        QVERIFY(ring.size() >= 3 && ring.size() <= 11);
        for (const int corner : ring) {
            QVERIFY(corner >= 0 && corner < letter.points.size());
            QCOMPARE(ring.count(corner), 1);
            used << corner;
        }
        if (style == FitStyle::Pieces)
            QVERIFY(convex(letter.points, ring));
    }
    for (int i = 0; i < letter.points.size(); ++i)
        QVERIFY(used.contains(i));
    QVERIFY2(letter.report.iou >= leastOverlap && letter.report.iou <= 100.0001,
             qPrintable(QString::number(letter.report.iou)));
    QVERIFY(letter.report.largestDistance >= 0);

    const FittedLetter again = fitLetter(shape, {style, box});
    QCOMPARE(again.points, letter.points);
    QCOMPARE(again.polygons, letter.polygons);
    QCOMPARE(again.report.iou, letter.report.iou);
    QCOMPARE(again.report.largestDistance, letter.report.largestDistance);
}

void FitTest::exact_data()
{
    QTest::addColumn<QPainterPath>("shape");
    QTest::addColumn<FitStyle>("style");
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QList<QList<int>>>("polygons");

    const QPainterPath rectangle = polygonPath({{-10, 40}, {30, 40}, {30, -20}, {-10, -20}});
    QTest::newRow("rectangle, pieces") << rectangle << FitStyle::Pieces
                                       << QList<QPoint>{{-10, -20}, {30, -20}, {30, 40}, {-10, 40}}
                                       << QList<QList<int>>{{0, 1, 2, 3}};
    QTest::newRow("rectangle, outline") << rectangle << FitStyle::Outline
                                        << QList<QPoint>{{-10, -20}, {30, -20}, {30, 40}, {-10, 40}}
                                        << QList<QList<int>>{{0, 1, 2, 3}};
    const QPainterPath ell = polygonPath({{0, 0}, {10, 0}, {10, 30}, {25, 30}, {25, 40}, {0, 40}});
    QTest::newRow("L, outline") << ell << FitStyle::Outline
                                << QList<QPoint>{{0, 0}, {10, 0}, {10, 30}, {25, 30}, {25, 40}, {0, 40}}
                                << QList<QList<int>>{{0, 1, 2, 3, 4, 5}};
    QTest::newRow("L, pieces") << ell << FitStyle::Pieces
                               << QList<QPoint>{{0, 0}, {10, 0}, {10, 30}, {0, 40}, {25, 30}, {25, 40}}
                               << QList<QList<int>>{{0, 1, 2, 3}, {2, 4, 5, 3}};
    QPainterPath frame = polygonPath({{0, 0}, {40, 0}, {40, 40}, {0, 40}});
    frame.addPolygon(QPolygonF({{10, 10}, {30, 10}, {30, 30}, {10, 30}}));
    frame.closeSubpath();
    QTest::newRow("frame, outline") << frame << FitStyle::Outline
                                    << QList<QPoint>{{0, 0},   {40, 0},  {40, 40}, {0, 40},
                                                     {10, 10}, {10, 30}, {30, 30}, {30, 10}}
                                    << QList<QList<int>>{{0, 1, 2, 3}, {4, 5, 6, 7}};
}

// A drawing that is already a letter within the limits, placed in its own bounding box, comes back
// with its own corners and the whole overlap.
void FitTest::exact()
{
    QFETCH(QPainterPath, shape);
    QFETCH(FitStyle, style);
    QFETCH(QList<QPoint>, points);
    QFETCH(QList<QList<int>>, polygons);

    const QRect bounds = shape.boundingRect().toRect();
    const FittedLetter letter = fitLetter(
        shape, {style, {bounds.left(), bounds.top(), bounds.left() + bounds.width(), bounds.top() + bounds.height()}});
    QCOMPARE(letter.points, points);
    QCOMPARE(letter.polygons, polygons);
    QCOMPARE(letter.report.iou, 100.0);
    QCOMPARE(letter.report.largestDistance, 0.0);
}

void FitTest::placement_data()
{
    QTest::addColumn<QPainterPath>("shape");
    QTest::addColumn<FitBox>("box");
    QTest::addColumn<QList<QPoint>>("points");

    const QPainterPath tall = polygonPath({{0, 0}, {10, 0}, {10, 20}, {0, 20}});
    QTest::newRow("tall in a square: centred across")
        << tall << FitBox{-50, -50, 50, 50} << QList<QPoint>{{-25, -50}, {25, -50}, {25, 50}, {-25, 50}};
    const QPainterPath wide = polygonPath({{100, 100}, {140, 100}, {140, 110}, {100, 110}});
    QTest::newRow("wide in a square: on the foot")
        << wide << FitBox{0, 0, 20, 20} << QList<QPoint>{{0, 15}, {20, 15}, {20, 20}, {0, 20}};
    QTest::newRow("no width: as high as the box")
        << tall << FitBox{10, -40, 10, 0} << QList<QPoint>{{0, -40}, {20, -40}, {20, 0}, {0, 0}};
    QTest::newRow("no width at the edge: kept in the square")
        << tall << FitBox{-120, -80, -120, 120} << QList<QPoint>{{-128, 88}, {-112, 88}, {-112, 120}, {-128, 120}};
}

// The shape's bounding box scaled into the box with its aspect kept, centred across, on the foot.
void FitTest::placement()
{
    QFETCH(QPainterPath, shape);
    QFETCH(FitBox, box);
    QFETCH(QList<QPoint>, points);

    QCOMPARE(fitLetter(shape, {FitStyle::Pieces, box}).points, points);
}

void FitTest::refusals_data()
{
    QTest::addColumn<QPainterPath>("shape");
    QTest::addColumn<FitBox>("box");
    QTest::addColumn<QString>("message");

    const QString nothing = "There is nothing to fit: the drawing fills no area (its contours enclose nothing).";
    const QPainterPath square = polygonPath({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    QPainterPath line;
    line.moveTo(0, 0);
    line.lineTo(50, 80);
    QPainterPath cancelled = polygonPath({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    cancelled.addPolygon(QPolygonF({{0, 0}, {10, 0}, {10, 10}, {0, 10}}));
    cancelled.closeSubpath();
    QTest::newRow("empty") << QPainterPath() << FitBox{-10, -10, 10, 10} << nothing;
    QTest::newRow("a line") << line << FitBox{-10, -10, 10, 10} << nothing;
    QTest::newRow("a square twice, even-odd") << cancelled << FitBox{-10, -10, 10, 10} << nothing;
    QTest::newRow("box past the left")
        << square << FitBox{-129, 0, 10, 10}
        << "The box -129,0,10,10 reaches outside the letter's square: every coordinate of "
           "a letter is within -128..127.";
    QTest::newRow("box past the foot")
        << square << FitBox{0, 0, 10, 128}
        << "The box 0,0,10,128 reaches outside the letter's square: every coordinate of a "
           "letter is within -128..127.";
    QTest::newRow("one unit") << square << FitBox{5, 5, 5, 5}
                              << "The box 5,5,5,5 is a single unit: a letter needs a box with a width or a height to "
                                 "stand in.";
}

void FitTest::refusals()
{
    QFETCH(QPainterPath, shape);
    QFETCH(FitBox, box);
    QFETCH(QString, message);

    try {
        fitLetter(shape, {FitStyle::Pieces, box});
        QFAIL("no error");
    } catch (const Error& e) {
        QCOMPARE(e.message(), message);
    }
}

QTEST_GUILESS_MAIN(FitTest)
#include "tst_fit.moc"
