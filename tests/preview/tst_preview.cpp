// Tests of the preview: the canvas line rule, START! on the letter layer, the compiled record text,
// and the point-number and axis overlays.
#include "model/error.h"
#include "model/hex.h"
#include "commands/commands.h"
#include "record/compiler.h"

#include "preview/description.h"
#include "preview/geometry.h"
#include "model/messages.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>

using namespace vertiloom;

namespace {

QColor pixel(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

QList<QPoint> pixelsOf(const QImage& image, const QColor& colour)
{
    QList<QPoint> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) == colour)
                found << QPoint(x, y);
    return found;
}

bool anyOf(const QImage& image, const QColor& colour, const QRect& area)
{
    for (const QPoint& p : pixelsOf(image, colour))
        if (area.contains(p))
            return true;
    return false;
}

// No point and no corner in use, both overlays off; coordinates and references keep their texts.
void uncheckEverything(Editor& editor)
{
    for (int n = 1; n <= 22; ++n)
        editor.form.setChecked(FieldId::checkBox(n), false);
    for (int p = 1; p <= kPolygons; ++p)
        for (int k = 1; k <= kCorners; ++k)
            editor.form.setChecked(FieldId::checkPol(p, k), false);
}

void setPoint(Editor& editor, int n, const char* x, const char* y)
{
    editor.form.setText(FieldId::x(n), QString::fromLatin1(x));
    editor.form.setText(FieldId::y(n), QString::fromLatin1(y));
}

void useCorner(Editor& editor, int p, int k, const char* ref, const char* param = "00")
{
    editor.form.setText(FieldId::pol(p, k), QString::fromLatin1(ref));
    editor.form.setText(FieldId::ipol(p, k), QString::fromLatin1(param));
    editor.form.setChecked(FieldId::checkPol(p, k), true);
}

const QColor kYellow = polygonColor(1);
const QColor kRed = polygonColor(2);

} // namespace

class PreviewTest : public QObject {
    Q_OBJECT

private slots:
    // Canvas
    void lineRule_data();
    void lineRule();
    void penIsKeptBetweenLines();

    // START! drawing
    void startUpExample();
    void zeroLengthClosingLine();
    void skippedCorners_data();
    void skippedCorners();
    void firstCornerClearStartsFromPen();
    void pointAt7FIsOutsideAndCut();
    void badCoordinateStopsStart_data();
    void badCoordinateStopsStart();
    void badCoordinateNobodyUsesIsHarmless();

    // Compiler
    void recordAfterStartUp();
    void nothingChecked();
    void someCheckedPoints();
    void checkedCornersInOrder_data();
    void checkedCornersInOrder();
    void polygonTailsByPosition();

    // Overlays
    void numbersAndAxes();
    void uncheckedPointHasNoNumber();
    void composedPreviewShowsLetterThroughBlack();

    // Geometry of the drawing board
    void transformsGiveTheStartBack();
    void transforms_data();
    void transforms();
    void hitsBandsAndSnaps();
    void polygonsOnAPointAndMeasures();
    void letterInWords_data();
    void letterInWords();
};

// ---- Canvas ----------------------------------------------------------------------------------

void PreviewTest::lineRule_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<int>("painted"); // pixels painted inside the image
    QTest::newRow("to itself") << QPoint(40, 40) << QPoint(40, 40) << 0;
    QTest::newRow("horizontal right") << QPoint(10, 20) << QPoint(30, 20) << 20;
    QTest::newRow("horizontal left") << QPoint(30, 20) << QPoint(10, 20) << 20;
    QTest::newRow("vertical down") << QPoint(5, 0) << QPoint(5, 254) << 254;
    QTest::newRow("vertical up") << QPoint(5, 100) << QPoint(5, 90) << 10;
    QTest::newRow("diagonal") << QPoint(10, 10) << QPoint(50, 50) << 40;
    QTest::newRow("anti-diagonal") << QPoint(50, 10) << QPoint(10, 50) << 40;
    QTest::newRow("shallow") << QPoint(0, 0) << QPoint(100, 7) << 100;
    QTest::newRow("steep") << QPoint(93, 220) << QPoint(125, 108) << 112;
    QTest::newRow("to the first column outside") << QPoint(100, 100) << QPoint(255, 100) << 155;
    QTest::newRow("cut at the right edge") << QPoint(250, 10) << QPoint(300, 10) << 5;
    QTest::newRow("from outside in") << QPoint(300, 50) << QPoint(200, 50) << 54;
    QTest::newRow("below the image") << QPoint(10, 260) << QPoint(100, 270) << 0;
    // Column 255 of a row is column 0 of the next one in the image's memory.
    QTest::newRow("sloped, from the first column outside") << QPoint(255, 100) << QPoint(200, 130) << 54;
    QTest::newRow("sloped, from past the last pixel") << QPoint(255, 254) << QPoint(200, 230) << 54;
}

void PreviewTest::lineRule()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(int, painted);
    Canvas canvas(255, 255);
    canvas.setPenColor(kRed);
    canvas.moveTo(from.x(), from.y());
    QCOMPARE(pixelsOf(canvas.image(), kRed).size(), 0); // moving paints nothing
    canvas.lineTo(to.x(), to.y());
    QCOMPARE(canvas.penPosition(), to);

    const QList<QPoint> pixels = pixelsOf(canvas.image(), kRed);
    QCOMPARE(pixels.size(), painted);
    const QRect inside(0, 0, 255, 255);
    if (inside.contains(to))
        QVERIFY(!pixels.contains(to));
    if (inside.contains(from) && from != to)
        QVERIFY(pixels.contains(from));

    // One pixel per step along the major axis, never more than half a pixel off the ideal line.
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    const int steps = std::max(std::abs(dx), std::abs(dy));
    for (const QPoint& p : pixels) {
        const bool alongX = std::abs(dx) >= std::abs(dy);
        const int t = alongX ? std::abs(p.x() - from.x()) : std::abs(p.y() - from.y());
        QVERIFY(t < steps);
        const double ideal = alongX ? from.y() + double(dy) * t / steps : from.x() + double(dx) * t / steps;
        QVERIFY2(std::abs((alongX ? p.y() : p.x()) - ideal) <= 0.5,
                 qPrintable(QStringLiteral("(%1,%2) off the line").arg(p.x()).arg(p.y())));
    }
}

void PreviewTest::penIsKeptBetweenLines()
{
    Canvas canvas(255, 255);
    canvas.setPenColor(kRed);
    canvas.moveTo(10, 10);
    canvas.lineTo(20, 10);
    canvas.rectangle(100, 100, 110, 110); // does not move the pen
    canvas.setPixel(200, 200, kYellow);   // nor does a pixel
    canvas.lineTo(20, 20);
    QCOMPARE(pixel(canvas.image(), 20, 10), kRed); // start of the second line
    QCOMPARE(pixel(canvas.image(), 20, 19), kRed);
    QCOMPARE(pixel(canvas.image(), 20, 20), kBlack); // its end
    QCOMPARE(canvas.penPosition(), QPoint(20, 20));
}

// ---- START! drawing --------------------------------------------------------------------------

void PreviewTest::startUpExample()
{
    Editor editor;
    editor.form.setEnabled(FieldId::button(3), false);
    editor.form.setMemoForm(MemoForm::Translhextion);
    startUp(editor);
    EditorForm& form = editor.form;

    for (int p = 1; p <= 7; ++p)
        QCOMPARE(form.text(FieldId::degree(p)), QStringLiteral("04"));
    QCOMPARE(form.text(FieldId::degree(8)), QStringLiteral("FF"));
    for (int n = 27; n <= 30; ++n)
        QCOMPARE(form.text(FieldId::label(n)), QStringLiteral("4"));
    QCOMPARE(form.text(FieldId::label(31)), QStringLiteral("255"));
    QCOMPARE(form.text(FieldId::dots()), QStringLiteral("14"));
    QCOMPARE(form.text(FieldId::polygons()), QStringLiteral("07"));
    QVERIFY(form.enabled(FieldId::button(3)));
    QVERIFY(form.enabled(FieldId::button(7)));
    QCOMPARE(form.memoForm(), MemoForm::Plain);

    // Polygon 1 runs through (125,108), (141,124), (141,220), (93,220) and back.
    const QImage& image = editor.letterLayer.image();
    const QPoint onOutline[] = {
        {125, 108}, {133, 116}, {140, 123}, // first corner, corner 1 -> 2
        {141, 200}, {141, 219},             // corner 3 -> 4 (upper part is under polygon 2)
        {141, 220}, {110, 220}, {94, 220},  // corner 11 -> 12
        {93, 220},  {109, 164}, {124, 112}, // closing line back to corner 1
    };
    for (const QPoint& p : onOutline)
        QVERIFY2(pixel(image, p.x(), p.y()) == kYellow, qPrintable(QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y())));
    // Inside and just outside the outline stays black.
    QCOMPARE(pixel(image, 125, 180), kBlack);
    QCOMPARE(pixel(image, 92, 220), kBlack);
    QCOMPARE(pixel(image, 125, 107), kBlack);
}

void PreviewTest::zeroLengthClosingLine()
{
    Editor editor;
    uncheckEverything(editor);
    editor.form.setChecked(FieldId::checkBox(1), true);
    useCorner(editor, 1, 1, "00");
    start(editor);
    QCOMPARE(editor.form.text(FieldId::degree(1)), QStringLiteral("01"));
    QCOMPARE(editor.form.text(FieldId::polygons()), QStringLiteral("01"));
    const QImage& image = editor.letterLayer.image();
    QCOMPARE(pixelsOf(image, kBlack).size(), 255 * 255 - 1);
    QCOMPARE(pixel(image, 125, 108), kWhite);
}

void PreviewTest::skippedCorners_data()
{
    QTest::addColumn<QString>("reference");
    QTest::newRow("odd 01") << "01";
    QTest::newRow("beyond 28") << "28";
    QTest::newRow("lower 0a") << "0a";
    QTest::newRow("empty") << "";
}

void PreviewTest::skippedCorners()
{
    QFETCH(QString, reference);
    Editor editor;
    uncheckEverything(editor);
    setPoint(editor, 1, "00", "00"); // (128,128)
    setPoint(editor, 2, "20", "00"); // (160,128)
    setPoint(editor, 6, "C0", "C0"); // (64,64), named by "0A"
    useCorner(editor, 1, 1, "00");
    useCorner(editor, 1, 2, "02");
    editor.form.setText(FieldId::pol(1, 2), reference);
    useCorner(editor, 1, 3, "02");
    start(editor);

    QCOMPARE(editor.form.text(FieldId::degree(1)), QStringLiteral("03")); // the box still counts
    const QList<QPoint> yellow = pixelsOf(editor.letterLayer.image(), kYellow);
    QCOMPARE(yellow.size(), 33); // 128..160 on row 128, there and back
    for (const QPoint& p : yellow)
        QCOMPARE(p.y(), 128);
}

void PreviewTest::firstCornerClearStartsFromPen()
{
    Editor editor;
    uncheckEverything(editor);
    setPoint(editor, 1, "00", "00"); // (128,128)
    setPoint(editor, 2, "00", "C0"); // (128,64)
    setPoint(editor, 3, "20", "00"); // (160,128)
    setPoint(editor, 4, "20", "20"); // (160,160)
    useCorner(editor, 1, 1, "00");   // leaves the pen at (128,128)
    editor.form.setText(FieldId::pol(2, 1), QStringLiteral("02"));
    useCorner(editor, 2, 2, "04");
    useCorner(editor, 2, 3, "06");
    start(editor);

    QCOMPARE(editor.form.text(FieldId::degree(2)), QStringLiteral("02"));
    const QImage& image = editor.letterLayer.image();
    QCOMPARE(pixel(image, 128, 128), kRed);  // the pen where polygon 1 left it
    QCOMPARE(pixel(image, 144, 128), kRed);  // pen -> corner 2
    QCOMPARE(pixel(image, 160, 144), kRed);  // corner 2 -> corner 3
    QCOMPARE(pixel(image, 144, 112), kRed);  // closing line to corner 1's point
    QCOMPARE(pixel(image, 144, 96), kBlack); // no line from corner 1 to corner 2
    QCOMPARE(pixel(image, 128, 64), kBlack); // the closing line's end
}

void PreviewTest::pointAt7FIsOutsideAndCut()
{
    Editor editor;
    uncheckEverything(editor);
    editor.form.setChecked(FieldId::checkBox(2), true);
    setPoint(editor, 1, "00", "00"); // (128,128)
    setPoint(editor, 2, "7F", "00"); // (255,128), one column beyond the bitmap
    useCorner(editor, 1, 1, "00");
    useCorner(editor, 1, 2, "02");
    start(editor);
    const QImage& image = editor.letterLayer.image();
    QCOMPARE(pixelsOf(image, kWhite).size(), 0);
    QCOMPARE(pixelsOf(image, kYellow).size(), 127); // 128..254
    QCOMPARE(pixel(image, 254, 128), kYellow);
}

void PreviewTest::badCoordinateStopsStart_data()
{
    QTest::addColumn<bool>("onX");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("overlays");
    QTest::addColumn<bool>("pointChecked");
    QTest::addColumn<bool>("buttonsEnabled");
    QTest::addColumn<QString>("degree4");
    // Point 5 is corner 2 of polygon 4 in the default letter.
    QTest::newRow("checked, lower, in the numbers") << true << "4d" << true << true << false << "FF";
    QTest::newRow("checked, lower, in the points") << true << "4d" << false << true << true << "FF";
    QTest::newRow("checked, empty y") << false << "" << false << true << true << "FF";
    QTest::newRow("checked, one digit") << true << "D" << false << true << true << "FF";
    QTest::newRow("unchecked, named by polygon 4") << true << "4d" << true << false << true << "04";
}

void PreviewTest::badCoordinateStopsStart()
{
    QFETCH(bool, onX);
    QFETCH(QString, text);
    QFETCH(bool, overlays);
    QFETCH(bool, pointChecked);
    QFETCH(bool, buttonsEnabled);
    QFETCH(QString, degree4);

    Editor editor;
    EditorForm& form = editor.form;
    form.setChecked(FieldId::checkBox(21), overlays);
    form.setChecked(FieldId::checkBox(22), overlays);
    form.setChecked(FieldId::checkBox(5), pointChecked);
    form.setText(onX ? FieldId::x(5) : FieldId::y(5), text);
    form.setEnabled(FieldId::button(3), false);
    form.setEnabled(FieldId::button(7), false);
    form.setText(FieldId::polygons(), QStringLiteral("05"));
    const QString memo = form.text(FieldId::memo());

    try {
        start(editor);
        QFAIL("START! went through");
    } catch (const Error& error) {
        QCOMPARE(error.message(), QStringLiteral("'' is not a valid integer value"));
    }
    QCOMPARE(form.enabled(FieldId::button(3)), buttonsEnabled);
    QCOMPARE(form.enabled(FieldId::button(7)), buttonsEnabled);
    QCOMPARE(form.text(FieldId::degree(4)), degree4);
    QCOMPARE(form.text(FieldId::degree(5)), QStringLiteral("FF"));
    QCOMPARE(form.text(FieldId::polygons()), QStringLiteral("05"));
    QCOMPARE(form.text(FieldId::memo()), memo);
    if (degree4 == QLatin1String("04")) // polygons 1 to 3 were drawn before polygon 4 failed
        QCOMPARE(pixel(editor.letterLayer.image(), 133, 116), kYellow);
}

void PreviewTest::badCoordinateNobodyUsesIsHarmless()
{
    Editor editor;
    editor.form.setChecked(FieldId::checkBox(20), false);
    editor.form.setChecked(FieldId::checkPol(7, 3), false); // the only corner naming point 20
    editor.form.setText(FieldId::x(20), QString());
    editor.form.setText(FieldId::y(20), QStringLiteral("zz"));
    start(editor);
    QCOMPARE(editor.form.text(FieldId::dots()), QStringLiteral("13"));
    QCOMPARE(editor.form.text(FieldId::label(22)), QStringLiteral("19"));
    QCOMPARE(editor.form.text(FieldId::degree(7)), QStringLiteral("03"));
}

// ---- Compiler --------------------------------------------------------------------------------

void PreviewTest::recordAfterStartUp()
{
    // The default letter written out by hand: 20 points, 7 polygons of four corners, the letter
    // tail 00 00 00 of a letter never loaded and the default tail of each polygon.
    const QString expected = QStringLiteral("14"
                                            "FDEC"
                                            "0DFC"
                                            "1D0C"
                                            "35FC"
                                            "4DDC"
                                            "5D5C"
                                            "2D5C"
                                            "2D1C"
                                            "1D5C"
                                            "0D2C"
                                            "0D5C"
                                            "DD5C"
                                            "B88E"
                                            "D8AE"
                                            "98BE"
                                            "C8BE"
                                            "B8DE"
                                            "D8DE"
                                            "98DE"
                                            "B80E"
                                            "07"
                                            "04"
                                            "00021416"
                                            "23222122"
                                            "04"
                                            "02041012"
                                            "23002300"
                                            "04"
                                            "04060E10"
                                            "24002400"
                                            "04"
                                            "06080A0C"
                                            "24222122"
                                            "04"
                                            "181A1E1C"
                                            "23240024"
                                            "04"
                                            "1C1E2220"
                                            "00230023"
                                            "04"
                                            "20222624"
                                            "00242324"
                                            "000000"
                                            "0000010200000102"
                                            "0000010200000102"
                                            "0000010200000102"
                                            "0000010200000102"
                                            "0000010200000102"
                                            "0000010200000102"
                                            "0000010200000102");
    Editor editor;
    startUp(editor);
    QCOMPARE(editor.form.text(FieldId::memo()), expected);
    QCOMPARE(editor.form.text(FieldId::label(32)), QString::number(expected.size() / 2));
    for (const QString& tail : editor.polygonTails)
        QCOMPARE(tail, QStringLiteral("0000010200000102"));

    // A second run gives the same text.
    start(editor);
    QCOMPARE(editor.form.text(FieldId::memo()), expected);
}

void PreviewTest::nothingChecked()
{
    Editor editor;
    uncheckEverything(editor);
    start(editor);
    QCOMPARE(editor.form.text(FieldId::memo()), QStringLiteral("0000000000"));
    QCOMPARE(editor.form.text(FieldId::dots()), QStringLiteral("00"));
    QCOMPARE(editor.form.text(FieldId::polygons()), QStringLiteral("00"));
    QCOMPARE(editor.form.text(FieldId::label(22)), QStringLiteral("0"));
    QCOMPARE(editor.form.text(FieldId::label(23)), QStringLiteral("0"));
    for (int p = 1; p <= kPolygons; ++p)
        QCOMPARE(editor.form.text(FieldId::degree(p)), QStringLiteral("FF"));
}

void PreviewTest::someCheckedPoints()
{
    Editor editor;
    uncheckEverything(editor);
    for (int n : {1, 2, 4})
        editor.form.setChecked(FieldId::checkBox(n), true);
    useCorner(editor, 1, 1, "06", "00"); // point 4: not renumbered
    start(editor);
    QCOMPARE(editor.form.text(FieldId::dots()), QStringLiteral("03"));
    QCOMPARE(editor.form.text(FieldId::memo()), QStringLiteral("03"
                                                               "FDEC"
                                                               "0DFC"
                                                               "35FC"
                                                               "01"
                                                               "01"
                                                               "06"
                                                               "00"
                                                               "000000"
                                                               "0000010200000102"));
}

void PreviewTest::checkedCornersInOrder_data()
{
    QTest::addColumn<QList<int>>("corners");
    QTest::addColumn<QString>("degree");
    QTest::newRow("corners 1, 2, 4") << QList<int>{1, 2, 4} << "03";
    QTest::newRow("corner 9 only") << QList<int>{9} << "01";
    QTest::newRow("all eleven") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11} << "0B";
}

void PreviewTest::checkedCornersInOrder()
{
    QFETCH(QList<int>, corners);
    QFETCH(QString, degree);
    Editor editor;
    uncheckEverything(editor);
    for (int k = 1; k <= kCorners; ++k) {
        editor.form.setText(FieldId::pol(3, k), TwoDigitHex(2 * (k - 1)));
        editor.form.setText(FieldId::ipol(3, k), QStringLiteral("A") + IntToHexText(k - 1));
    }
    QString refs;
    QString params;
    for (int k : corners) {
        editor.form.setChecked(FieldId::checkPol(3, k), true);
        refs += TwoDigitHex(2 * (k - 1));
        params += QStringLiteral("A") + IntToHexText(k - 1);
    }
    start(editor);
    QCOMPARE(editor.form.text(FieldId::degree(3)), degree);
    QCOMPARE(editor.form.text(FieldId::memo()), QStringLiteral("00"
                                                               "01")
                                                    + degree + refs + params
                                                    + QStringLiteral("000000"
                                                                     "0000010200000102"));
}

void PreviewTest::polygonTailsByPosition()
{
    Editor editor;
    uncheckEverything(editor);
    editor.letterTail = {QStringLiteral("AA"), QStringLiteral("BB"), QStringLiteral("CC")};
    editor.polygonTails[0] = QStringLiteral("1111111111111111");
    editor.polygonTails[1] = QStringLiteral("2222222222222222");
    useCorner(editor, 2, 1, "00", "7E"); // slot 1 unused, slot 2 the only polygon
    start(editor);
    QCOMPARE(editor.form.text(FieldId::degree(1)), QStringLiteral("FF"));
    QCOMPARE(editor.form.text(FieldId::memo()), QStringLiteral("00"
                                                               "01"
                                                               "01"
                                                               "00"
                                                               "7E"
                                                               "AABBCC"
                                                               "1111111111111111"));
    QCOMPARE(editor.polygonTails[1], QStringLiteral("2222222222222222"));
    QCOMPARE(editor.polygonTails[2], QStringLiteral("0000010200000102"));
}

// ---- Overlays --------------------------------------------------------------------------------

void PreviewTest::numbersAndAxes()
{
    Editor editor;
    startUp(editor);
    const QImage& overlay = editor.overlayLayer.image();
    const auto axesDrawn = [&overlay](const QColor& colour) {
        for (int a : {64, 128, 192})
            for (int t = 0; t < 255; ++t)
                if (pixel(overlay, a, t) != colour || pixel(overlay, t, a) != colour)
                    return false;
        return true;
    };

    QVERIFY(axesDrawn(kAxisColor));
    for (int n = 1; n <= kPoints; ++n) {
        const int x = HexToPreviewCoord(editor.form.text(FieldId::x(n))).toInt();
        const int y = HexToPreviewCoord(editor.form.text(FieldId::y(n))).toInt();
        QVERIFY2(anyOf(overlay, kWhite, QRect(x, y, 20, 16)), qPrintable(QString::number(n)));
    }

    editor.form.setChecked(FieldId::checkBox(21), false);
    showPointNumbers(editor);
    QCOMPARE(pixelsOf(overlay, kWhite).size(), 0);
    QVERIFY(axesDrawn(kAxisColor));

    editor.form.setChecked(FieldId::checkBox(21), true);
    showPointNumbers(editor);
    editor.form.setChecked(FieldId::checkBox(22), false);
    showAxes(editor);
    QVERIFY(axesDrawn(kBlack));
    QCOMPARE(pixelsOf(overlay, kAxisColor).size(), 0);
    QVERIFY(!pixelsOf(overlay, kWhite).isEmpty());

    // START! with both switches clear leaves the overlay alone.
    editor.form.setChecked(FieldId::checkBox(21), false);
    start(editor);
    QVERIFY(!pixelsOf(overlay, kWhite).isEmpty());

    // With only "Display axes" on, START! draws the axes over what the overlay holds.
    editor.form.setChecked(FieldId::checkBox(22), true);
    start(editor);
    QVERIFY(axesDrawn(kAxisColor));
    QVERIFY(!pixelsOf(overlay, kWhite).isEmpty());
}

void PreviewTest::uncheckedPointHasNoNumber()
{
    Editor editor;
    uncheckEverything(editor);
    editor.form.setChecked(FieldId::checkBox(21), true);
    editor.form.setChecked(FieldId::checkBox(3), true);
    setPoint(editor, 3, "20", "20"); // (160,160)
    setPoint(editor, 7, "C0", "C0"); // (64,64), unchecked
    start(editor);
    const QList<QPoint> white = pixelsOf(editor.overlayLayer.image(), kWhite);
    QVERIFY(!white.isEmpty());
    for (const QPoint& p : white)
        QVERIFY(QRect(160, 160, 20, 16).contains(p));
    QCOMPARE(pixelsOf(editor.overlayLayer.image(), kAxisColor).size(), 0); // axes are off
}

void PreviewTest::composedPreviewShowsLetterThroughBlack()
{
    Editor editor;
    startUp(editor);
    const QImage composed = composedPreview(editor);
    const QImage& letter = editor.letterLayer.image();
    const QImage& overlay = editor.overlayLayer.image();
    int fromLetter = 0;
    for (int y = 0; y < 255; ++y) {
        for (int x = 0; x < 255; ++x) {
            const bool clear = pixel(overlay, x, y) == kBlack;
            QCOMPARE(pixel(composed, x, y), clear ? pixel(letter, x, y) : pixel(overlay, x, y));
            fromLetter += clear && pixel(letter, x, y) != kBlack ? 1 : 0;
        }
    }
    QVERIFY(fromLetter > 100); // the outlines show through
}

// ---- Geometry of the drawing board ---------------------------------------------------------

// Over random sets of points: two flips, four turns, a turn and its opposite each give the points
// back, and a scale lands where a plain model of it rounds (halves away from zero).
void PreviewTest::transformsGiveTheStartBack()
{
    QRandomGenerator random(16);
    for (int round = 0; round < 2000; ++round) {
        QList<UnitPoint> points;
        const int count = 1 + random.bounded(6);
        for (int n = 1; n <= count; ++n)
            points << UnitPoint{n, random.bounded(-60, 61), random.bounded(-60, 61)};
        const auto apply = [](QList<UnitPoint> set, Transform::Kind kind, int times) {
            for (int i = 0; i < times; ++i)
                set = transformed(set, {kind}).points;
            return set;
        };
        QCOMPARE(apply(points, Transform::FlipHorizontally, 2), points);
        QCOMPARE(apply(points, Transform::FlipVertically, 2), points);
        QCOMPARE(apply(points, Transform::TurnRight, 4), points);
        QCOMPARE(apply(points, Transform::TurnLeft, 4), points);
        QCOMPARE(apply(apply(points, Transform::TurnRight, 1), Transform::TurnLeft, 1), points);

        const int percent = random.bounded(0, 201);
        double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
        for (const UnitPoint& p : points) {
            left = std::min<double>(left, p.x), right = std::max<double>(right, p.x);
            top = std::min<double>(top, p.y), bottom = std::max<double>(bottom, p.y);
        }
        const auto model = [percent](double v, double centre) {
            const double exact = centre + (v - centre) * percent / 100.0;
            return static_cast<int>(std::copysign(std::floor(std::fabs(exact) + 0.5), exact));
        };
        const QList<UnitPoint> scaled = transformed(points, {Transform::Scale, percent}).points;
        for (int i = 0; i < points.size(); ++i) {
            QCOMPARE(scaled[i].x, model(points[i].x, (left + right) / 2));
            QCOMPARE(scaled[i].y, model(points[i].y, (top + bottom) / 2));
        }
    }
}

void PreviewTest::transforms_data()
{
    QTest::addColumn<QList<UnitPoint>>("points");
    QTest::addColumn<Transform>("transform");
    QTest::addColumn<QList<UnitPoint>>("expected");   // empty: refused
    QTest::addColumn<UnitPoint>("outside");           // the first point that would leave, as it would be
    const QList<UnitPoint> bar{{1, 0, 0}, {2, 5, 0}}; // centre x = 2.5
    QTest::newRow("flip") << bar << Transform{Transform::FlipHorizontally} << QList<UnitPoint>{{1, 5, 0}, {2, 0, 0}}
                          << UnitPoint{};
    QTest::newRow("scale 200 %, halves away from zero")
        << bar << Transform{Transform::Scale, 200} << QList<UnitPoint>{{1, -3, 0}, {2, 8, 0}} << UnitPoint{};
    QTest::newRow("turn right, y downwards")
        << QList<UnitPoint>{{1, 0, 0}, {2, 4, 0}} << Transform{Transform::TurnRight}
        << QList<UnitPoint>{{1, 2, -2}, {2, 2, 2}} << UnitPoint{};
    QTest::newRow("turn about a half-unit centre")
        << bar << Transform{Transform::TurnRight} << QList<UnitPoint>{{1, 2, -2}, {2, 2, 3}} << UnitPoint{};
    QTest::newRow("move over the edge") << QList<UnitPoint>{{3, 100, 0}, {7, 120, -128}}
                                        << Transform{Transform::Move, 100, 10, -1} << QList<UnitPoint>{}
                                        << UnitPoint{7, 130, -129};
    QTest::newRow("move to the last unit")
        << QList<UnitPoint>{{3, 117, -127}} << Transform{Transform::Move, 100, 10, -1}
        << QList<UnitPoint>{{3, 127, -128}} << UnitPoint{};
}

void PreviewTest::transforms()
{
    QFETCH(QList<UnitPoint>, points);
    QFETCH(Transform, transform);
    QFETCH(QList<UnitPoint>, expected);
    QFETCH(UnitPoint, outside);
    const Transformed result = transformed(points, transform);
    QCOMPARE(result.points, expected);
    QCOMPARE(result.outside.value_or(UnitPoint{}), outside);
}

// The handle under the cursor, the rubber band (its edges inside it), a move that stops at the edge and snapping, on the
// units' centres (unit 10 is the square from 10 to 11).
void PreviewTest::hitsBandsAndSnaps()
{
    const QList<UnitPoint> points{{1, 10, 10}, {2, 12, 10}, {5, -128, 127}};
    QCOMPARE(pointAt(points, {10.5, 10.5}, 0.5), 1);
    QCOMPARE(pointAt(points, {11.6, 10.5}, 1.0), 2); // nearer to 2
    QCOMPARE(pointAt(points, {11.5, 10.5}, 1.0), 1); // a tie: the lower number
    QCOMPARE(pointAt(points, {11.5, 12.5}, 1.0), 0);
    QCOMPARE(pointsInside(points, {13, 11}, {10.5, 0}), QList<int>({1, 2}));
    QCOMPARE(pointsInside(points, {-200, 200}, {-127.4, 127.5}), QList<int>({5}));
    QCOMPARE(pointsInside(points, {12.5, 10.5}, {10.5, 10.5}), QList<int>({1, 2})); // on all four edges
    QCOMPARE(insideDelta(points, {-3, 5}), QPoint(0, 0));
    QCOMPARE(insideDelta(points.mid(0, 2), {200, -200}), QPoint(115, -138));
    QCOMPARE(snapped({11.9, 10.2}, points, 0.5), QPoint(12, 8));  // to the grid: nothing within reach
    QCOMPARE(snapped({11.9, 10.2}, points, 1.0), QPoint(12, 10)); // to point 2
    QCOMPARE(snapped({126.9, -130}, {}, 1.0), QPoint(127, -128));
    QCOMPARE(unitAt({-0.5, 127.9}), QPoint(-1, 127));
}

// What the board's status line and toolbar read: the polygons with a checked corner on a point, and the
// distance and angle between two units (counter-clockwise as the board shows them, y downwards).
void PreviewTest::polygonsOnAPointAndMeasures()
{
    Editor editor;
    uncheckEverything(editor);
    useCorner(editor, 3, 2, "08");
    useCorner(editor, 1, 4, "08");
    useCorner(editor, 3, 5, "08");
    useCorner(editor, 2, 1, "08");
    editor.form.setChecked(FieldId::checkPol(2, 1), false);
    QCOMPARE(polygonsUsing(editor.form, 5), QList<int>({1, 3}));
    QCOMPARE(polygonsUsing(editor.form, 4), QList<int>());
    const auto measure = [](QPoint from, QPoint to) {
        const Measure m = measured(from, to);
        return QStringLiteral("%1 %2").arg(m.distance, 0, 'f', 3).arg(m.angle, 0, 'f', 3);
    };
    QCOMPARE(measure({0, 0}, {3, -4}), QStringLiteral("5.000 53.130")); // up and right on the screen
    QCOMPARE(measure({10, 10}, {0, 20}), QStringLiteral("14.142 -135.000"));
    QCOMPARE(measure({5, 0}, {-2, 0}), QStringLiteral("7.000 180.000"));
    QCOMPARE(measure({-128, 127}, {-128, 127}), QStringLiteral("0.000 0.000"));
}

// What a screen reader says of the preview and the board's square: the checked points that have a
// position, in signed units, and each polygon with a checked corner by the points of its corners.
void PreviewTest::letterInWords_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("points");  // "n x y", checked
    QTest::addColumn<QStringList>("corners"); // "p k reference", checked
    QTest::addColumn<QString>("expected");
    QTest::newRow("points, a polygon, one without points")
        << "en" << QStringList{"1 FD EC", "2 0D FC", "3 G0 10", "5 4D DC"}
        << QStringList{"2 1 00", "2 2 02", "2 4 08", "4 3 FF"}
        << "Points (3): 1 (-3, -20), 2 (13, -4), 5 (77, -36). Polygons (2): 2 on points 1 2 5; 4 on no point.";
    QTest::newRow("Russian, the corners of the square")
        << "ru" << QStringList{"20 7F 80"} << QStringList{} << "Точки (1): 20 (127, -128). Нет полигонов.";
    QTest::newRow("nothing") << "en" << QStringList{} << QStringList{} << "No points. No polygons.";
}

void PreviewTest::letterInWords()
{
    QFETCH(QString, language);
    QFETCH(QStringList, points);
    QFETCH(QStringList, corners);
    QFETCH(QString, expected);
    Editor editor;
    uncheckEverything(editor);
    for (const QString& point : points) {
        const QStringList f = point.split(u' ');
        const int n = f[0].toInt();
        editor.form.setText(FieldId::x(n), f[1]);
        editor.form.setText(FieldId::y(n), f[2]);
        editor.form.setChecked(FieldId::checkBox(n), true);
    }
    for (const QString& corner : corners) {
        const QStringList f = corner.split(u' ');
        useCorner(editor, f[0].toInt(), f[1].toInt(), qPrintable(f[2]));
    }
    QVERIFY(installMessages(language));
    const QString said = letterDescription(editor.form);
    installMessages(QStringLiteral("en"));
    QCOMPARE(said, expected);
}

QTEST_MAIN(PreviewTest)
#include "tst_preview.moc"
