// The formats room: the letter's SVG drawing read back into the identical record, drawings as other
// programs write them read into literal records, and every drawing the reader refuses.
#include "formats/svg.h"
#include "model/error.h"
#include "rom/sample.h"
#include "support/romimage.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

using namespace vertiloom;
using namespace vertiloom::test;

Q_DECLARE_METATYPE(vertiloom::LetterRecord)

namespace {

// A record within the editor's limits, any bytes where it has bytes: points that share a unit and sit on
// the square's edges, corners whose reference names no point, points that no polygon uses.
LetterRecord randomRecord(QRandomGenerator& random)
{
    const auto byte = [&] { return static_cast<std::uint8_t>(random.bounded(256)); };
    const auto bytes = [&](int count) {
        QByteArray out;
        for (int i = 0; i < count; ++i)
            out.append(static_cast<char>(byte()));
        return out;
    };
    const bool crowded = random.bounded(2) == 0;
    LetterRecord record;
    const int points = random.bounded(21);
    for (int n = 0; n < points; ++n) {
        const auto coordinate = [&] {
            static constexpr std::uint8_t kFew[] = {0x80, 0x7F, 0x00, 0xF6};
            return crowded ? kFew[random.bounded(4)] : byte();
        };
        record.points.append({coordinate(), coordinate()});
    }
    const int polygons = random.bounded(9);
    for (int p = 0; p < polygons; ++p) {
        PolygonBlock block;
        const int corners = random.bounded(12);
        for (int k = 0; k < corners; ++k) {
            const bool named = points > 0 && random.bounded(5) != 0;
            block.vertexRefs.append(static_cast<char>(named ? 2 * random.bounded(points) : byte()));
        }
        block.parameters = bytes(corners);
        record.polygons.append(block);
        record.polygonTails.append(bytes(kPolygonTailSize));
    }
    record.letterTail = bytes(kLetterTailSize);
    return record;
}

QByteArray drawing(const char* body, const char* root = R"(viewBox="0 0 256 256")")
{
    return QByteArray(R"(<svg xmlns="http://www.w3.org/2000/svg" )") + root + ">" + body + "</svg>";
}

QString refusal(const QByteArray& svg)
{
    try {
        letterFromSvg(svg, {});
    } catch (const Error& error) {
        return error.message();
    }
    return QStringLiteral("(read without a refusal)");
}

} // namespace

class FormatsTest : public QObject {
    Q_OBJECT

private slots:
    // Whatever the current letter holds, a drawing this editor wrote gives back its record; and the
    // sample letters, their bytes of the editor taken out, read as a drawing from elsewhere over
    // themselves, give back theirs too.
    void drawingReadsBack_data()
    {
        QTest::addColumn<LetterRecord>("record");
        QTest::addColumn<bool>("sample");
        for (int position = 1; position <= 24; ++position)
            QTest::addRow("sample letter %d", position) << sampleLetter(position) << true;
        QTest::newRow("empty") << LetterRecord{{}, {}, QByteArray(3, '\x7F'), {}} << false;
        QRandomGenerator random(20261208);
        for (int i = 1; i <= 200; ++i)
            QTest::addRow("random %d", i) << randomRecord(random) << false;
    }

    void drawingReadsBack()
    {
        QFETCH(LetterRecord, record);
        QFETCH(bool, sample);
        QRandomGenerator random(static_cast<quint32>(record.toBytes().size()));
        const QByteArray svg = letterToSvg(record);
        QCOMPARE(letterFromSvg(svg, randomRecord(random)).toBytes(), record.toBytes());
        QCOMPARE(letterFromSvg(svg, {}), record);
        if (sample) {
            QString text = QString::fromUtf8(svg);
            text.remove(QRegularExpression(QStringLiteral(" data-vertiloom-[a-z-]+=\"[^\"]*\"")));
            text.remove(QRegularExpression(QStringLiteral("<g id=\"points\".*</g>"),
                                           QRegularExpression::DotMatchesEverythingOption));
            QVERIFY(!text.contains(QLatin1String("vertiloom-")));
            QCOMPARE(letterFromSvg(text.toUtf8(), record), record);
        }
    }

    // Drawings as other programs write them, and this editor's own changed elsewhere.
    void drawingsFromElsewhere_data()
    {
        QTest::addColumn<QByteArray>("svg");
        QTest::addColumn<QByteArray>("current");
        QTest::addColumn<QByteArray>("expected");
        const auto row = [](const char* name, const QByteArray& svg, const char* current, const char* expected) {
            QTest::newRow(name) << svg << bytesFromHex(current) << bytesFromHex(expected);
        };
        row("a polygon", drawing(R"(<polygon points="118,118 138,118 138,138"/>)"), "",
            "03 F6F6 0AF6 0A0A 01 03 000204 000000 000000 0000000000000000");
        row("groups in groups, transform lists",
            drawing(R"s(<g transform="translate(100 100)"><g transform="scale(2)">)s"
                    R"s(<polygon transform="rotate(90)" points="0,0 10,0 10,10"/></g></g>)s"),
            "", "03 E4E4 E4F8 D0F8 01 03 000204 000000 000000 0000000000000000");
        row("a rect turned about a centre",
            drawing(R"s(<rect x="138" y="118" width="20" height="10" transform="rotate(90 128 128)"/>)s"), "",
            "04 0A0A 0A1E 001E 000A 01 04 00020406 00000000 000000 0000000000000000");
        row("a matrix that flips", drawing(R"s(<g transform="matrix(1 0 0 -1 0 256)"><polygon points="128,128 148,128 148,148"/></g>)s"),
            "", "03 0000 1400 14EC 01 03 000204 000000 000000 0000000000000000");
        row("relative path, H and V", drawing(R"(<path d="m 118,118 h 20 v 20 H 118 z"/>)"), "",
            "04 F6F6 0AF6 0A0A F60A 01 04 00020406 00000000 000000 0000000000000000");
        row("a path of two parts, a closing line, lines after a moveto",
            drawing(R"(<path d="M100 100L120 100 110 90 100 100Z M130,130 l10,0 0,10 z"/>)"), "",
            "06 E4E4 F8E4 EEDA 0202 0C02 0C0C 02 03 000204 000000 03 06080A 000000 000000 0000000000000000 0000000000000000");
        row("a closed polyline", drawing(R"(<polyline points="118,118 138,118 128,100 118,118"/>)"), "",
            "03 F6F6 0AF6 00E4 01 03 000204 000000 000000 0000000000000000");
        row("a wide viewBox, centred, to the far edge", drawing(R"(<polygon points="0,0 64,0 64,32 0,32"/>)", R"(viewBox="0 0 64 32")"),
            "", "04 80C0 7FC0 7F40 8040 01 04 00020406 00000000 000000 0000000000000000");
        row("width and height, no viewBox", drawing(R"(<polygon points="0,0 10,0 10,10"/>)", R"(width="128px" height="64")"), "",
            "03 80C0 94C0 94D4 01 03 000204 000000 000000 0000000000000000");
        row("corners at one unit are one point",
            drawing(R"(<polygon points="128,128 128.3,128 138,128 138,138"/><polygon points="138.4,127.6 148,128 148,138"/>)"),
            "", "05 0000 0A00 0A0A 1400 140A 02 03 000204 000000 03 020608 000000 000000 0000000000000000 0000000000000000");
        row("what a vector editor adds",
            "<?xml version='1.0' encoding='UTF-8' standalone='no'?>\n"
            "<svg xmlns='http://www.w3.org/2000/svg' xmlns:sodipodi='http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd'\n"
            "     xmlns:inkscape='http://www.inkscape.org/namespaces/inkscape' width='256mm' height='256mm' viewBox='0 0 256 256'>\n"
            "  <sodipodi:namedview id='namedview1' inkscape:zoom='1'><path d='M 0 0 L 9 9'/></sodipodi:namedview>\n"
            "  <defs id='defs1'><path d='M 0 0 C 1 1 2 2 3 3 Z'/><clipPath id='c'><rect width='5' height='5'/></clipPath></defs>\n"
            "  <title>Letter</title>\n"
            "  <g inkscape:groupmode='layer' id='layer1' style='opacity:0.5;display : none'><rect width='256' height='256'/></g>\n"
            "  <g inkscape:groupmode='layer' id='layer2' transform='translate(-10,0)'>\n"
            "    <text x='10' y='10'>a note <tspan>beside</tspan></text>\n"
            "    <line x1='0' y1='0' x2='10' y2='10' stroke='red'/>\n"
            "    <path style='fill:none;stroke:#ffff00' d='m 138,118 20,0 0,20 z' id='path1'/>\n"
            "  </g>\n"
            "</svg>",
            "", "03 00F6 14F6 140A 01 03 000204 000000 000000 0000000000000000");
        row("parameters and tails from the current letter",
            drawing(R"(<polygon points="118,118 138,118 138,138 118,138"/><polygon points="128,100 130,100"/>)"
                    R"(<polygon points="0,0 5,0 5,5"/>)"),
            "04 0000 0A00 0A0A 000A 02 03 000204 AABBCC 02 0002 DDEE 010203 1111111111111111 2222222222222222",
            "09 F6F6 0AF6 0A0A F60A 00E4 02E4 8080 8580 8585 03 04 00020406 AABBCC00 02 080A DDEE 03 0C0E10 000000 "
            "010203 1111111111111111 2222222222222222 0000000000000000");
        // Point 3 comes first in polygon 1; polygon 2's second corner was moved off point 2, which polygon 1
        // keeps; point 4 is in no polygon, and point 5 lost its circle; polygon 3 was drawn there.
        row("this editor's drawing, changed elsewhere",
            drawing(R"(<polygon points="128,100 118,118 138,118" data-vertiloom-corners="04 00 02")"
                    R"( data-vertiloom-parameters="01 02 03" data-vertiloom-tail="11 11 11 11 11 11 11 11"/>)"
                    R"(<path d="M 118,118 L 138,148 Z" data-vertiloom-corners="00 02" data-vertiloom-parameters="04 05")"
                    R"( data-vertiloom-tail="2222222222222222"/>)"
                    R"(<polygon points="133,133 148,148 133,148"/>)"
                    R"(<g><circle cx="118" cy="118" r="1.5" data-vertiloom-point="1"/>)"
                    R"(<circle cx="133" cy="133" r="1.5" data-vertiloom-point="4"/><text>4</text></g>)",
                    R"(viewBox="0 0 256 256" data-vertiloom-points="5" data-vertiloom-letter-tail="0A 0B 0C")"),
            "", "07 F6F6 0AF6 00E4 0505 0A14 1414 0514 03 03 040002 010203 02 0008 0405 03 060A0C 000000 0A0B0C "
                "1111111111111111 2222222222222222 0000000000000000");
    }

    void drawingsFromElsewhere()
    {
        QFETCH(QByteArray, svg);
        QFETCH(QByteArray, current);
        QFETCH(QByteArray, expected);
        const LetterRecord was = current.isEmpty() ? LetterRecord{} : parseRecord(current, 0, -1);
        QCOMPARE(recordText(letterFromSvg(svg, was).toBytes()), recordText(expected));
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("svg");
        QTest::addColumn<QString>("message");
        const auto polygonOf = [](int corners, int y) {
            QByteArray points;
            for (int i = 0; i < corners; ++i)
                points += QByteArray::number(10 * i) + ',' + QByteArray::number(y) + ' ';
            return "<polygon points=\"" + points + "\"/>";
        };
        QTest::newRow("a curve, by id") << drawing(R"(<path id="bowl" d="M 0 0 L 10 0 C 20 0 20 10 10 10 Z"/>)")
                                        << R"(The <path> "bowl" has a curve (command C): straighten the curves first; only straight lines are read.)";
        QTest::newRow("an arc, by place") << drawing(R"(<path d="M 0 0 L 10 0 Z"/><path d="M 0 0 a 5 5 0 0 1 10 0 z"/>)")
                                          << "The 2nd <path> has a curve (command a): straighten the curves first";
        QTest::newRow("a circle") << drawing(R"(<circle cx="5" cy="5" r="3"/>)")
                                  << "The 1st <circle> is a curve: straighten the curves first";
        QTest::newRow("rounded corners") << drawing(R"(<rect/><rect/><rect/><rect/><rect/><rect/><rect/><rect/><rect/><rect/>)"
                                                    R"(<rect width="10" height="10" rx="2"/>)")
                                         << "The 11th <rect> has rounded corners, which are curves: straighten the curves first";
        QTest::newRow("21 points") << drawing(polygonOf(11, 0) + polygonOf(11, 100))
                                   << "The 2nd <polygon> brings the letter to 21 points; a letter holds at most 20.";
        QTest::newRow("9 polygons") << drawing(QByteArray(R"(<polygon points="1,1 2,2 3,1"/>)").repeated(9))
                                    << "The 9th <polygon> would be polygon 9 of the letter; a letter holds at most 8.";
        QTest::newRow("12 corners") << drawing(polygonOf(12, 0))
                                    << "The 1st <polygon> has 12 corners; a polygon holds at most 11.";
        QTest::newRow("not well-formed") << drawing(R"(<polygon points="1,1 2,2 3,1">)")
                                         << "The file is not well-formed SVG: Opening and ending tag mismatch (line 1, column 98).";
        QTest::newRow("no XML at all") << QByteArray() << "The file is not well-formed SVG: Premature end of document (line 1, column 0).";
        QTest::newRow("not SVG") << QByteArray("<html/>") << "The file is not an SVG drawing: its root element is <html>.";
        QTest::newRow("empty") << drawing("<g><text>A</text><line x2=\"9\"/></g>")
                               << "The drawing is empty: it holds no polygon, closed polyline, rectangle or path of straight lines.";
        QTest::newRow("an open polyline") << drawing(R"(<polyline points="1,1 2,2 3,1"/>)")
                                          << "The 1st <polyline> is not closed: its last point is not its first.";
        QTest::newRow("an open path") << drawing(R"(<path d="M 0 0 L 10 0 L 10 10"/>)")
                                      << "The 1st <path> has a part that is not closed: end it with Z, or where it began.";
        QTest::newRow("outside the square") << drawing(R"(<polygon points="0,0 300,0 0,10"/>)")
                                            << "The 1st <polygon> has a point outside the drawing's square (at 172, -128 in the "
                                               "letter's units, which run from -128 to 127).";
        QTest::newRow("path data") << drawing(R"(<path d="M 0 0 L 10 x Z"/>)")
                                   << "The 1st <path> can't be read: its d attribute is not valid at character 12.";
        QTest::newRow("a transform") << drawing(R"s(<g transform="translate(10,10) spin(4)"><polygon points="1,1 2,2 3,1"/></g>)s")
                                     << "The 1st <g> can't be read: its transform attribute is not valid at character 18.";
        QTest::newRow("a viewBox") << drawing("", R"(viewBox="0 0 0 10")")
                                   << R"(The drawing's viewBox "0 0 0 10" is not four numbers with a positive width and height.)";
    }

    void refusals()
    {
        QFETCH(QByteArray, svg);
        QFETCH(QString, message);
        const QString refused = refusal(svg);
        QVERIFY2(refused.startsWith(message), qPrintable(refused));
    }
};

QTEST_GUILESS_MAIN(FormatsTest)
#include "tst_formats.moc"
