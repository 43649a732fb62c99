// The fit's sources: drawings with every curve command, circles, rounded rectangles, strokes and holes
// read into their filled area; a font's glyph; a traced picture; and every source refused.
#include "fit/sources.h"
#include "model/error.h"

#include <QPainter>
#include <QtTest>
#include <functional>

using namespace vertiloom;

Q_DECLARE_METATYPE(std::function<void()>)

namespace {

// The area a path fills by its fill rule: merged into outlines that don't cross (flattened on a grid ten
// times finer than its units), each outline counted in or out by how many others hold it.
double filledArea(const QPainterPath& path)
{
    const QList<QPolygonF> polygons = QTransform::fromScale(10, 10).map(path).simplified().toSubpathPolygons();
    double area = 0;
    for (qsizetype i = 0; i < polygons.size(); ++i) {
        double twice = 0;
        for (qsizetype k = 0; k < polygons[i].size(); ++k) {
            const QPointF a = polygons[i][k];
            const QPointF b = polygons[i][(k + 1) % polygons[i].size()];
            twice += a.x() * b.y() - b.x() * a.y();
        }
        int depth = 0;
        for (qsizetype j = 0; j < polygons.size(); ++j)
            depth += j != i && polygons[j].containsPoint(polygons[i].first(), Qt::OddEvenFill) ? 1 : 0;
        area += (depth % 2 == 0 ? 1 : -1) * std::abs(twice) / 2;
    }
    return area / 100;
}

QByteArray drawing(const char* body)
{
    return QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\">") + body + "</svg>";
}

QString refusal(const std::function<void()>& read)
{
    try {
        read();
    } catch (const Error& error) {
        return error.message();
    }
    return QStringLiteral("(nothing refused)");
}

} // namespace

class TestSources : public QObject {
    Q_OBJECT

private slots:
    void svgArea_data();
    void svgArea();
    void fontGlyph();
    void picture();
    void refused_data();
    void refused();
};

void TestSources::svgArea_data()
{
    QTest::addColumn<QByteArray>("svg");
    QTest::addColumn<double>("area");
    QTest::addColumn<QRectF>("box");

    // A parabola over a chord fills two thirds of the triangle of its ends and control point; a cubic
    // with its controls two thirds of the way to that point is the same parabola.
    QTest::newRow("C") << drawing("<path d='M0 150 C50 -50 100 -50 150 150 Z'/>") << 15000.0 << QRectF(0, 0, 150, 150);
    QTest::newRow("c") << drawing("<path d='m0 150 c50 -200 100 -200 150 0 z'/>") << 15000.0 << QRectF(0, 0, 150, 150);
    // S mirrors the last control point: a second parabola below the chord, crossed, nonzero fills both.
    QTest::newRow("S") << drawing("<path d='M0 150 C50 -50 100 -50 150 150 S250 350 300 150 Z'/>") << 30000.0
                       << QRectF(0, 0, 300, 300);
    QTest::newRow("s") << drawing("<path d='m0 150 c50 -200 100 -200 150 0 s100 200 150 0 z'/>") << 30000.0
                       << QRectF(0, 0, 300, 300);
    QTest::newRow("Q") << drawing("<path d='M0 150 Q75 -150 150 150 Z'/>") << 15000.0 << QRectF(0, 0, 150, 150);
    QTest::newRow("q") << drawing("<path d='m0 150 q75 -300 150 0 z'/>") << 15000.0 << QRectF(0, 0, 150, 150);
    QTest::newRow("T") << drawing("<path d='M0 150 Q75 -150 150 150 T300 150 Z'/>") << 30000.0
                       << QRectF(0, 0, 300, 300);
    QTest::newRow("t") << drawing("<path d='m0 150 q75 -300 150 0 t150 0 z'/>") << 30000.0 << QRectF(0, 0, 300, 300);
    // Arcs: the upper half of a disc of radius 100; three quarters of one, the large arc turning back.
    QTest::newRow("A") << drawing("<path d='M0 100 A100 100 0 0 1 200 100 Z'/>") << 15707.96 << QRectF(0, 0, 200, 100);
    QTest::newRow("A large") << drawing("<path d='M100 0 A100 100 0 1 0 200 100 L100 100 Z'/>") << 23561.94
                             << QRectF(0, 0, 200, 200);
    QTest::newRow("a") << drawing("<path d='m100 0 a100 100 0 1 0 100 100 l-100 0 z'/>") << 23561.94
                       << QRectF(0, 0, 200, 200);
    QTest::newRow("A radii too small") << drawing("<path d='M0 100 A1 1 0 0 1 200 100 Z'/>") << 15707.96
                                       << QRectF(0, 0, 200, 100);
    QTest::newRow("A flags run together")
        << drawing("<path d='M0 100A100 100 0 01200 100Z'/>") << 15707.96 << QRectF(0, 0, 200, 100);
    QTest::newRow("circle") << drawing("<circle cx='50' cy='60' r='40'/>") << 5026.55 << QRectF(10, 20, 80, 80);
    QTest::newRow("ellipse") << drawing("<ellipse cx='100' cy='50' rx='80' ry='30'/>") << 7539.82
                             << QRectF(20, 20, 160, 60);
    // 100 x 60 less four corners of (1 - pi / 4) * 10 * 10.
    QTest::newRow("rounded rect") << drawing("<rect x='10' y='20' width='100' height='60' rx='10'/>") << 5914.16
                                  << QRectF(10, 20, 100, 60);
    QTest::newRow("stroked line") << drawing("<line x2='100' stroke='black' stroke-width='10' "
                                             "stroke-linecap='square'/>")
                                  << 1100.0 << QRectF(-5, -5, 110, 10);
    QTest::newRow("stroked open path") << drawing("<path d='M0 0 L100 0 L100 100' fill='none' stroke='black' "
                                                  "style='stroke-width:10'/>")
                                       << 2000.0 << QRectF(0, -5, 105, 105);
    QTest::newRow("thick stroke: a ring") << drawing("<circle r='50' fill='none' stroke='black' stroke-width='20'/>")
                                          << 6283.19 << QRectF(-60, -60, 120, 120);
    QTest::newRow("hairline outline: its inside")
        << drawing("<polygon points='0,0 100,0 100,100' fill='none' stroke='#fff' stroke-width='1'/><circle "
                   "cx='0' cy='0' r='1.5' fill='#fff' data-vertiloom-point='1'/>")
        << 5000.0 << QRectF(0, 0, 100, 100);
    QTest::newRow("hairline of the viewBox: its inside")
        << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 256 256'><polygon points='112,112 144,112 "
                      "144,144 112,144' fill='none' stroke='#f00' stroke-width='1'/></svg>")
        << 1024.0 << QRectF(112, 112, 32, 32);
    QTest::newRow("evenodd hole") << drawing("<path fill-rule='evenodd' d='M0 0 H100 V100 H0 Z M25 25 H75 V75 H25 Z'/>")
                                  << 7500.0 << QRectF(0, 0, 100, 100);
    QTest::newRow("nonzero, no hole") << drawing("<path d='M0 0 H100 V100 H0 Z M25 25 H75 V75 H25 Z'/>") << 10000.0
                                      << QRectF(0, 0, 100, 100);
    QTest::newRow("transforms") << drawing("<g transform='translate(10 20)'><rect width='10' height='5' "
                                           "transform='scale(2)'/></g>")
                                << 200.0 << QRectF(10, 20, 20, 10);
    QTest::newRow("shapes united") << drawing("<rect width='100' height='100'/><rect x='50' y='50' width='100' "
                                              "height='100' fill-rule='evenodd'/>")
                                   << 17500.0 << QRectF(0, 0, 150, 150);
    QTest::newRow("use") << drawing("<defs><circle id='dot' r='10'/></defs><use href='#dot' x='20' y='20'/>") << 314.16
                         << QRectF(10, 10, 20, 20);
    QTest::newRow("hidden passed over") << drawing("<rect width='10' height='10'/><rect width='500' height='50' "
                                                   "display='none'/><defs><rect width='500' height='500'/></defs>"
                                                   "<text>A</text><rect width='300' height='30' fill='none'/>")
                                        << 100.0 << QRectF(0, 0, 10, 10);
}

void TestSources::svgArea()
{
    QFETCH(QByteArray, svg);
    QFETCH(double, area);
    QFETCH(QRectF, box);
    const QPainterPath shape = shapeFromSvg(svg, QStringLiteral("drawing.svg"));
    QVERIFY2(std::abs(filledArea(shape) - area) <= area * 0.005, qPrintable(QString::number(filledArea(shape))));
    const QRectF bounds = shape.boundingRect();
    for (const auto& [got, want] : {std::pair{bounds.left(), box.left()},
                                    {bounds.top(), box.top()},
                                    {bounds.right(), box.right()},
                                    {bounds.bottom(), box.bottom()}})
        QVERIFY2(std::abs(got - want) < 0.2, qPrintable(QStringLiteral("%1 %2 %3 %4")
                                                            .arg(bounds.left())
                                                            .arg(bounds.top())
                                                            .arg(bounds.right())
                                                            .arg(bounds.bottom())));
}

void TestSources::fontGlyph()
{
    // DejaVu Sans at 256 units to the em: capitals stand 1493 / 2048 of the em above the baseline.
    const QPainterPath o = shapeFromFont(QStringLiteral("DejaVu Sans:Bold"), U'O');
    QCOMPARE(o.fillRule(), Qt::WindingFill);
    QCOMPARE(o.toSubpathPolygons().size(), 2); // the outline and its hole
    QVERIFY(std::abs(o.boundingRect().bottom()) < 5);
    QVERIFY(std::abs(o.boundingRect().top() + 186.6) < 5);
    const QPainterPath i = shapeFromFont(QStringLiteral("dejavu sans"), U'I');
    QCOMPARE(i.toSubpathPolygons().size(), 1);
    QVERIFY(std::abs(i.boundingRect().height() - 186.6) < 0.5);
    QVERIFY(filledArea(i) > 0.99 * i.boundingRect().width() * i.boundingRect().height());
}

void TestSources::picture()
{
    // A black disc of radius 40 on white, its edge smoothed: one contour about pi * 40 * 40 pixels.
    QImage image(120, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(60, 50), 40, 40);
    painter.end();
    const QPainterPath shape = shapeFromPicture(image);
    QCOMPARE(shape.toSubpathPolygons().size(), 1);
    QVERIFY2(std::abs(filledArea(shape) - 5026.55) < 5026.55 * 0.01, qPrintable(QString::number(filledArea(shape))));
    QVERIFY(std::abs(shape.boundingRect().center().x() - 60) < 0.5);
    QVERIFY(std::abs(shape.boundingRect().center().y() - 50) < 0.5);

    // A hard edge from black to white is traced on the pixels' border: a black 30 x 20 block, exactly.
    QImage block(50, 40, QImage::Format_RGB32);
    block.fill(Qt::white);
    QPainter(&block).fillRect(10, 10, 30, 20, Qt::black);
    const QPainterPath traced = shapeFromPicture(block);
    QCOMPARE(traced.boundingRect(), QRectF(10, 10, 30, 20));
    // Each corner cut across half a pixel, as marching squares cut it, and the closing point: the points
    // along the straight runs are left out.
    QCOMPARE(traced.elementCount(), 9);
}

void TestSources::refused_data()
{
    QTest::addColumn<std::function<void()>>("read");
    QTest::addColumn<QString>("message");

    const auto svg = [](const QByteArray& text) { return [text] { shapeFromSvg(text, QStringLiteral("a.svg")); }; };
    const auto font = [](const QString& name, char32_t c) { return [name, c] { shapeFromFont(name, c); }; };
    const auto picture = [](const QImage& image) { return [image] { shapeFromPicture(image); }; };
    QImage white(20, 20, QImage::Format_RGB32);
    white.fill(Qt::white);
    QImage faint = white;
    faint.setPixel(5, 5, qRgb(240, 240, 240));
    QImage clear(20, 20, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    clear.setPixel(5, 5, qRgba(0, 0, 0, 0));

    QTest::newRow("malformed") << std::function<void()>(svg("<svg xmlns='http://www.w3.org/2000/svg'><path>"))
                               << "a.svg: The file is not well-formed SVG: ";
    QTest::newRow("not svg") << std::function<void()>(svg("<html/>"))
                             << "a.svg: The file is not an SVG drawing: its root element is <html>.";
    QTest::newRow("bad path") << std::function<void()>(svg(drawing("<path id='p' d='M0 0 L10'/>")))
                              << "a.svg: The <path> \"p\" can't be read: its d attribute is not valid at character 9.";
    QTest::newRow("bad arc flag")
        << std::function<void()>(svg(drawing("<path d='M0 0 A1 1 0 2 1 5 5'/>")))
        << "a.svg: The 1st <path> can't be read: its d attribute is not valid at character 13.";
    QTest::newRow("a line unstroked")
        << std::function<void()>(svg(drawing("<line x2='10' y2='10'/>")))
        << "a.svg: The drawing fills nothing: it holds no shape with an area (a <line> or "
           "an open path needs a stroke to be drawn).";
    QTest::newRow("all hidden") << std::function<void()>(svg(drawing("<circle r='5' fill='none'/>")))
                                << "a.svg: Nothing in the drawing is drawn: each shape in it is hidden, transparent or "
                                   "without fill and stroke.";
    QTest::newRow("use of itself") << std::function<void()>(svg(drawing("<g id='g'><use href='#g'/></g>")))
                                   << "a.svg: The 1st <use> draws \"#g\", which holds it: a <use> can't draw itself or "
                                      "an element around it.";
    QTest::newRow("no such font") << std::function<void()>(font(QStringLiteral("No Such Family 12"), U'A'))
                                  << "No font \"No Such Family 12\" is installed: ";
    QTest::newRow("no such style") << std::function<void()>(font(QStringLiteral("DejaVu Sans:Wobbly"), U'A'))
                                   << "The font \"DejaVu Sans\" has no style \"Wobbly\"; its styles are: ";
    QTest::newRow("character lacking") << std::function<void()>(font(QStringLiteral("DejaVu Sans"), U'\u4E00'))
                                       << "The font \"DejaVu Sans\" has no character \u4E00 (U+4E00).";
    QTest::newRow("space") << std::function<void()>(font(QStringLiteral("DejaVu Sans:Bold"), U' '))
                           << "The character   (U+0020) of the font \"DejaVu Sans:Bold\" draws nothing: it has no "
                              "outline to fit.";
    QTest::newRow("font file missing") << std::function<void()>(font(QStringLiteral("/nowhere/x.ttf"), U'A'))
                                       << "File not found: /nowhere/x.ttf";
    QTest::newRow("one shade") << std::function<void()>(picture(white))
                               << "The picture has nothing dark to trace: it is all one shade.";
    QTest::newRow("transparent") << std::function<void()>(picture(clear))
                                 << "The picture has nothing dark to trace: it is all one shade.";
    QTest::newRow("too faint") << std::function<void()>(picture(faint))
                               << "The picture has nothing dark to trace: its shades differ too little to tell a "
                                  "shape from its ground.";
    QTest::newRow("empty picture") << std::function<void()>(picture(QImage()))
                                   << "The picture is empty: it has no pixels.";
}

void TestSources::refused()
{
    QFETCH(std::function<void()>, read);
    QFETCH(QString, message);
    const QString got = refusal(read);
    QVERIFY2(got.startsWith(message), qPrintable(got));
}

QTEST_MAIN(TestSources)
#include "tst_sources.moc"
