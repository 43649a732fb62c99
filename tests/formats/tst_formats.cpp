// The formats room: the letter's SVG drawing read back into the identical record, drawings as other
// programs write them read into literal records, and every drawing the reader refuses; BPS patches
// made by hand, made and applied between random images, and every malformed patch refused.
#include "formats/bps.h"
#include "formats/svg.h"
#include "model/error.h"
#include "rom/recognition.h"
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

// Groups a0 .. a<levels> in defs, each but the first drawing the one before twice through <use>, and a
// <use> of the last: 2^levels copies of a0's line.
QByteArray doublingUses(int levels)
{
    QByteArray defs = "<defs><g id=\"a0\"><line x2=\"9\"/></g>";
    for (int i = 1; i <= levels; ++i) {
        const QByteArray use = "<use href=\"#a" + QByteArray::number(i - 1) + "\"/>";
        defs += "<g id=\"a" + QByteArray::number(i) + "\">" + use + use + "</g>";
    }
    return defs + "</defs><use href=\"#a" + QByteArray::number(levels) + "\"/>";
}

// The drawing as a vector editor gives it back after turning it a quarter about the square's centre:
// each <polygon>'s corners listed from its second, the two-cornered ones reversed, every corner off
// its unit by up to 0.4 (the circles stay where they were).
QByteArray turnedInAVectorEditor(const QByteArray& svg)
{
    QString text = QString::fromUtf8(svg);
    static const QRegularExpression kPoints(QStringLiteral("<polygon [^>]*points=\"([^\"]*)\""));
    QRegularExpressionMatchIterator it = kPoints.globalMatch(text);
    QList<QRegularExpressionMatch> matches;
    while (it.hasNext())
        matches << it.next();
    static constexpr double kOff[] = {0.4, -0.3, 0.2, -0.4, 0.1};
    int off = 0;
    for (qsizetype m = matches.size() - 1; m >= 0; --m) {
        QStringList corners = matches[m].captured(1).split(u' ', Qt::SkipEmptyParts);
        if (corners.size() == 2)
            std::reverse(corners.begin(), corners.end());
        else if (corners.size() > 2)
            corners = corners.mid(1) + corners.mid(0, 1);
        for (QString& corner : corners) {
            const QStringList xy = corner.split(u',');
            corner = QStringLiteral("%1,%2")
                         .arg(xy[0].toDouble() + kOff[off % 5])
                         .arg(xy[1].toDouble() + kOff[(off + 2) % 5]);
            ++off;
        }
        text.replace(matches[m].capturedStart(1), matches[m].capturedLength(1), corners.join(u' '));
    }
    text.replace(QStringLiteral("<g id=\"polygons\""),
                 QStringLiteral("<g transform=\"rotate(90 128 128)\"><g id=\"polygons\""));
    text.replace(QStringLiteral("</svg>"), QStringLiteral("</g></svg>"));
    return text.toUtf8();
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

// A BPS patch from its bytes before the checksums and the source's and target's CRC32s: the patch's own
// CRC32 closes it.
QByteArray sealed(const char* hex, quint32 source, quint32 target)
{
    QByteArray patch = bytesFromHex(hex);
    for (const quint32 crc : {source, target}) {
        for (int i = 0; i < 4; ++i)
            patch.append(static_cast<char>(crc >> (8 * i)));
    }
    const quint32 own = crc32Of(patch);
    for (int i = 0; i < 4; ++i)
        patch.append(static_cast<char>(own >> (8 * i)));
    return patch;
}

QString bpsRefusal(const QByteArray& source, const QByteArray& patch)
{
    try {
        applyBps(source, patch);
    } catch (const Error& error) {
        return error.message();
    }
    return QStringLiteral("(applied without a refusal)");
}

// Bytes 00, 01 .. count - 1.
QByteArray counting(int count)
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out.append(static_cast<char>(i));
    return out;
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
        row("a matrix that flips",
            drawing(R"s(<g transform="matrix(1 0 0 -1 0 256)"><polygon points="128,128 148,128 148,148"/></g>)s"), "",
            "03 0000 1400 14EC 01 03 000204 000000 000000 0000000000000000");
        row("relative path, H and V", drawing(R"(<path d="m 118,118 h 20 v 20 H 118 z"/>)"), "",
            "04 F6F6 0AF6 0A0A F60A 01 04 00020406 00000000 000000 0000000000000000");
        row("a path of two parts, a closing line, lines after a moveto",
            drawing(R"(<path d="M100 100L120 100 110 90 100 100Z M130,130 l10,0 0,10 z"/>)"), "",
            "06 E4E4 F8E4 EEDA 0202 0C02 0C0C 02 03 000204 000000 03 06080A 000000 000000 0000000000000000 "
            "0000000000000000");
        row("a closed polyline", drawing(R"(<polyline points="118,118 138,118 128,100 118,118"/>)"), "",
            "03 F6F6 0AF6 00E4 01 03 000204 000000 000000 0000000000000000");
        row("a wide viewBox, centred, to the far edge",
            drawing(R"(<polygon points="0,0 64,0 64,32 0,32"/>)", R"(viewBox="0 0 64 32")"), "",
            "04 80C0 7FC0 7F40 8040 01 04 00020406 00000000 000000 0000000000000000");
        row("width and height, no viewBox",
            drawing(R"(<polygon points="0,0 10,0 10,10"/>)", R"(width="128px" height="64")"), "",
            "03 80C0 94C0 94D4 01 03 000204 000000 000000 0000000000000000");
        row("corners at one unit are one point",
            drawing(
                R"(<polygon points="128,128 128.3,128 138,128 138,138"/><polygon points="138.4,127.6 148,128 148,138"/>)"),
            "",
            "05 0000 0A00 0A0A 1400 140A 02 03 000204 000000 03 020608 000000 000000 0000000000000000 "
            "0000000000000000");
        row("what a vector editor adds",
            "<?xml version='1.0' encoding='UTF-8' standalone='no'?>\n"
            "<svg xmlns='http://www.w3.org/2000/svg' "
            "xmlns:sodipodi='http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd'\n"
            "     xmlns:inkscape='http://www.inkscape.org/namespaces/inkscape' width='256mm' height='256mm' viewBox='0 "
            "0 256 256'>\n"
            "  <sodipodi:namedview id='namedview1' inkscape:zoom='1'><path d='M 0 0 L 9 9'/></sodipodi:namedview>\n"
            "  <defs id='defs1'><path d='M 0 0 C 1 1 2 2 3 3 Z'/><clipPath id='c'><rect width='5' "
            "height='5'/></clipPath></defs>\n"
            "  <title>Letter</title>\n"
            "  <g inkscape:groupmode='layer' id='layer1' style='opacity:0.5;display : none'><rect width='256' "
            "height='256'/></g>\n"
            "  <g inkscape:groupmode='layer' id='layer2' transform='translate(-10,0)'>\n"
            "    <text x='10' y='10'>a note <tspan>beside</tspan></text>\n"
            "    <line x1='138' y1='100' x2='148' y2='100' stroke='red'/>\n"
            "    <path style='fill:none;stroke:#ffff00' d='m 138,118 20,0 0,20 z' id='path1'/>\n"
            "  </g>\n"
            "</svg>",
            "",
            "05 00E4 0AE4 00F6 14F6 140A 02 02 0002 0000 03 040608 000000 000000 0000000000000000 "
            "0000000000000000");
        row("parameters and tails from the current letter",
            drawing(R"(<polygon points="118,118 138,118 138,138 118,138"/><polygon points="128,100 130,100"/>)"
                    R"(<polygon points="0,0 5,0 5,5"/>)"),
            "04 0000 0A00 0A0A 000A 02 03 000204 AABBCC 02 0002 DDEE 010203 1111111111111111 2222222222222222",
            "09 F6F6 0AF6 0A0A F60A 00E4 02E4 8080 8580 8585 03 04 00020406 AABBCC00 02 080A DDEE 03 0C0E10 000000 "
            "010203 1111111111111111 2222222222222222 0000000000000000");
        // Point 3 comes first in polygon 1; polygon 2's second corner was moved off point 2, which polygon 1
        // keeps; point 4 is in no polygon, and point 5 lost its circle; polygon 3 was drawn there.
        row("this editor's drawing, changed elsewhere",
            drawing(
                R"(<polygon points="128,100 118,118 138,118" data-vertiloom-corners="04 00 02")"
                R"( data-vertiloom-parameters="01 02 03" data-vertiloom-tail="11 11 11 11 11 11 11 11"/>)"
                R"(<path d="M 118,118 L 138,148 Z" data-vertiloom-corners="00 02" data-vertiloom-parameters="04 05")"
                R"( data-vertiloom-tail="2222222222222222"/>)"
                R"(<polygon points="133,133 148,148 133,148"/>)"
                R"(<g><circle cx="118" cy="118" r="1.5" data-vertiloom-point="1"/>)"
                R"(<circle cx="133" cy="133" r="1.5" data-vertiloom-point="4"/><text>4</text></g>)",
                R"(viewBox="0 0 256 256" data-vertiloom-points="5" data-vertiloom-letter-tail="0A 0B 0C")"),
            "",
            "07 F6F6 0AF6 00E4 0505 0A14 1414 0514 03 03 040002 010203 02 0008 0405 03 060A0C 000000 0A0B0C "
            "1111111111111111 2222222222222222 0000000000000000");
        row("a tall viewBox, centred across",
            drawing(R"(<polygon points="0,0 32,0 32,64 0,64"/>)", R"(viewBox="0 0 32 64")"), "",
            "04 C080 4080 407F C07F 01 04 00020406 00000000 000000 0000000000000000");
        row("a drawing within, its viewBox fitted and centred",
            drawing(R"(<svg x="28" y="28" width="100" height="50" viewBox="0 0 10 10">)"
                    R"(<polygon points="0,0 10,0 10,10"/></svg>)"),
            "", "03 B59C E79C E7CE 01 03 000204 000000 000000 0000000000000000");
        row("transforms in one list, the last first",
            drawing(R"s(<polygon transform="translate(100 0) scale(2)" points="10,10 20,10 20,20"/>)s"), "",
            "03 F894 0C94 0CA8 01 03 000204 000000 000000 0000000000000000");
        row("translate(x) along x only",
            drawing(R"s(<polygon transform="translate(10)" points="118,118 138,118 138,138"/>)s"), "",
            "03 00F6 14F6 140A 01 03 000204 000000 000000 0000000000000000");
        row("skewX and skewY",
            drawing(R"s(<g transform="translate(100 100)"><polygon transform="skewX(45)" points="0,0 10,0 0,10"/>)s"
                    R"s(<polygon transform="skewY(45)" points="30,0 40,0 30,10"/></g>)s"),
            "",
            "06 E4E4 EEE4 EEEE 0202 0C0C 020C 02 03 000204 000000 03 06080A 000000 000000 0000000000000000 "
            "0000000000000000");
        row("an absolute V", drawing(R"(<path d="M 118,118 H 138 V 138 Z"/>)"), "",
            "03 F6F6 0AF6 0A0A 01 03 000204 000000 000000 0000000000000000");
        row("a relative moveto after Z, from the closed part's start",
            drawing(R"(<path d="M 118,118 l 20,0 0,20 z m 10,10 l 5,0 0,5 z"/>)"), "",
            "06 F6F6 0AF6 0A0A 0000 0500 0505 02 03 000204 000000 03 06080A 000000 000000 0000000000000000 "
            "0000000000000000");
        row("lengths in cm, in, pt and pc", drawing(R"(<rect x="2.54cm" y="1in" width="72pt" height="6pc"/>)"), "",
            "04 E0E0 40E0 4040 E040 01 04 00020406 00000000 000000 0000000000000000");
        row("<use>, by href and xlink:href, its x and y inside its transform",
            drawing("<defs><polygon id=\"tri\" points=\"0,0 10,0 10,10\"/></defs><use href=\"#tri\" x=\"128\" "
                    "y=\"128\"/><use xlink:href=\"#tri\" transform=\"scale(2)\" x=\"50\" y=\"50\"/>",
                    "xmlns:xlink=\"http://www.w3.org/1999/xlink\" viewBox=\"0 0 256 256\""),
            "",
            "06 0000 0A00 0A0A E4E4 F8E4 F8F8 02 03 000204 000000 03 06080A 000000 000000 0000000000000000 "
            "0000000000000000");
        row("<switch>: the first child whose conditions hold",
            drawing(R"(<switch><title>A</title><polygon systemLanguage="xx" points="0,0 5,0 5,5"/>)"
                    R"(<polygon requiredExtensions="http://example.org/more" points="0,0 5,0 5,5"/>)"
                    R"(<polygon systemLanguage="de, en-GB" points="118,118 138,118 138,138"/>)"
                    R"(<polygon points="0,0 5,0 5,5"/></switch>)"),
            "", "03 F6F6 0AF6 0A0A 01 03 000204 000000 000000 0000000000000000");
        row("what is hidden, transparent or unpainted",
            drawing(
                R"(<g visibility="hidden"><polygon points="0,0 5,0 5,5"/>)"
                R"(<polygon style="visibility:visible" points="118,118 138,118 138,138"/></g>)"
                R"(<polygon style="visibility: collapse" points="0,0 5,0 5,5"/>)"
                R"(<polygon opacity="0" points="0,0 5,0 5,5"/><g style="opacity:0%"><rect width="5" height="5"/></g>)"
                R"(<polygon fill-opacity="0" points="0,0 5,0 5,5"/><g fill="none"><circle r="5"/></g>)"
                R"(<polygon fill="none" stroke="red" stroke-opacity="0.0" points="0,0 5,0 5,5"/>)"
                R"(<polygon fill-opacity="0" stroke="red" points="128,128 138,128 138,138"/>)"),
            "",
            "05 F6F6 0AF6 0A0A 0000 0A00 02 03 000204 000000 03 060804 000000 000000 0000000000000000 "
            "0000000000000000");
        row("256 levels deep",
            drawing(QByteArray("<g>").repeated(254) + R"(<polygon points="118,118 138,118 138,138"/>)"
                    + QByteArray("</g>").repeated(254)),
            "", "03 F6F6 0AF6 0A0A 01 03 000204 000000 000000 0000000000000000");
        row("the root's transform, inside its viewBox",
            drawing(R"(<polygon points="59,59 69,59 69,69"/>)",
                    R"s(viewBox="0 0 128 128" transform="translate(5 0)")s"),
            "", "03 00F6 14F6 140A 01 03 000204 000000 000000 0000000000000000");
        // Shared points by the circles and the corners as drawn, whichever corner a polygon's list starts
        // from and whichever way it runs; parameters and tails by the polygon.
        row("this editor's drawing, turned in a vector editor",
            turnedInAVectorEditor(letterToSvg(
                parseRecord(bytesFromHex("06 ECE2 0AE2 0A00 EC00 EC1E 141E 03 04 00020406 11121314 03 060408 212223 "
                                         "02 040A 3132 010203 AAAAAAAAAAAAAAAA BBBBBBBBBBBBBBBB CCCCCCCCCCCCCCCC"),
                            0, -1))),
            "",
            "06 1EEC 1E0A 000A 00EC E2EC E214 03 04 00020406 11121314 03 060408 212223 02 040A 3132 010203 "
            "AAAAAAAAAAAAAAAA BBBBBBBBBBBBBBBB CCCCCCCCCCCCCCCC");
        row("corners within half a unit, across a unit's edge, are one point",
            drawing(
                R"(<polygon points="128,128 138.45,128 138,138"/><polygon points="138.55,128.5 148,128 148,138"/>)"),
            "",
            "05 0000 0A00 0A0A 1400 140A 02 03 000204 000000 03 020608 000000 000000 0000000000000000 "
            "0000000000000000");
        row("a line without a stroke width, a thin one and a path of one segment: strokes of two corners",
            drawing(R"(<line x1="118" y1="100" x2="138" y2="100" stroke="black"/><path d="M 118,150 L 138,160"/>)"
                    R"(<g stroke-width="0.5"><line x1="100" y1="100" x2="100" y2="120" stroke="red"/></g>)"),
            "",
            "06 F6E4 0AE4 F616 0A20 E4E4 E4F8 03 02 0002 0000 02 0406 0000 02 080A 0000 000000 0000000000000000 "
            "0000000000000000 0000000000000000");
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
        QTest::newRow("a curve, by id")
            << drawing(R"(<path id="bowl" d="M 0 0 L 10 0 C 20 0 20 10 10 10 Z"/>)")
            << "The <path> \"bowl\" has a curve (command C): straighten the curves first; only straight lines are "
               "read.\nOr let vertiloom-cli import IMAGE DRAWING --letter L --fit flatten the drawing into the "
               "letter's limits.";
        QTest::newRow("an arc, by place")
            << drawing(R"(<path d="M 0 0 L 10 0 Z"/><path d="M 0 0 a 5 5 0 0 1 10 0 z"/>)")
            << "The 2nd <path> has a curve (command a): straighten the curves first";
        QTest::newRow("a circle") << drawing(R"(<circle cx="5" cy="5" r="3"/>)")
                                  << "The 1st <circle> is a curve: straighten the curves first";
        QTest::newRow("rounded corners")
            << drawing(R"(<rect/><rect/><rect/><rect/><rect/><rect/><rect/><rect/><rect/><rect/>)"
                       R"(<rect width="10" height="10" rx="2"/>)")
            << "The 11th <rect> has rounded corners, which are curves: straighten the curves first";
        QTest::newRow("21 points") << drawing(polygonOf(11, 0) + polygonOf(11, 100))
                                   << "The 2nd <polygon> brings the letter to 21 points; a letter holds at most 20.";
        QTest::newRow("9 polygons") << drawing(QByteArray(R"(<polygon points="1,1 2,2 3,1"/>)").repeated(9))
                                    << "The 9th <polygon> would be polygon 9 of the letter; a letter holds at most 8.";
        QTest::newRow("12 corners") << drawing(polygonOf(12, 0))
                                    << "The 1st <polygon> has 12 corners; a polygon holds at most 11.";
        QTest::newRow("not well-formed")
            << drawing(R"(<polygon points="1,1 2,2 3,1">)")
            << "The file is not well-formed SVG: Opening and ending tag mismatch (line 1, column 98).";
        QTest::newRow("no XML at all")
            << QByteArray() << "The file is not well-formed SVG: Premature end of document (line 1, column 0).";
        QTest::newRow("not SVG") << QByteArray("<html/>")
                                 << "The file is not an SVG drawing: its root element is <html>.";
        QTest::newRow("empty")
            << drawing("<g><text>A</text><line x2=\"9\"/></g>")
            << "The drawing is empty: it holds no polygon, closed polyline, rectangle or path of straight lines.";
        QTest::newRow("an open polyline") << drawing(R"(<polyline points="1,1 2,2 3,1"/>)")
                                          << "The 1st <polyline> is not closed: its last point is not its first.";
        QTest::newRow("an open path")
            << drawing(R"(<path d="M 0 0 L 10 0 L 10 10"/>)")
            << "The 1st <path> has a part that is not closed: end it with Z, or where it began.";
        QTest::newRow("outside the square")
            << drawing(R"(<polygon points="0,0 300,0 0,10"/>)")
            << "The 1st <polygon> has a point outside the drawing's square (at 172, -128 in the "
               "letter's units, which run from -128 to 127).";
        QTest::newRow("path data") << drawing(R"(<path d="M 0 0 L 10 x Z"/>)")
                                   << "The 1st <path> can't be read: its d attribute is not valid at character 12.";
        QTest::newRow("a transform")
            << drawing(R"s(<g transform="translate(10,10) spin(4)"><polygon points="1,1 2,2 3,1"/></g>)s")
            << "The 1st <g> can't be read: its transform attribute is not valid at character 18.";
        QTest::newRow("a viewBox")
            << drawing("", R"(viewBox="0 0 0 10")")
            << R"(The drawing's viewBox "0 0 0 10" is not four numbers with a positive width and height.)";
        QTest::newRow("S, a curve") << drawing(R"(<path d="M 0 0 L 10 0 S 20 0 10 10 Z"/>)")
                                    << "The 1st <path> has a curve (command S): straighten the curves first; only "
                                       "straight lines are read.";
        QTest::newRow("s, a curve") << drawing(R"(<path d="M 0 0 s 20 0 10 10 Z"/>)")
                                    << "The 1st <path> has a curve (command s): straighten the curves first";
        QTest::newRow("a hidden root")
            << drawing(R"(<polygon points="1,1 2,2 3,1"/>)", R"(viewBox="0 0 256 256" display="none")")
            << "Nothing in the drawing is drawn: its root <svg> is hidden (display none, opacity 0 or a condition "
               "that fails).";
        QTest::newRow("shapes, none drawn")
            << drawing(R"(<polygon fill="none" points="1,1 2,2 3,1"/><rect visibility="hidden" width="5" height="5"/>)")
            << "Nothing in the drawing is drawn: each shape in it is hidden, transparent or without fill and stroke.";
        QTest::newRow("257 levels deep")
            << drawing(QByteArray("<g>").repeated(255) + R"(<polygon points="1,1 2,2 3,1"/>)"
                       + QByteArray("</g>").repeated(255))
            << "The <polygon> at line 1, column 858 lies 257 levels deep; a drawing is read at most 256 levels "
               "deep.";
        QTest::newRow("a <use> of what holds it")
            << drawing("<g id=\"loop\"><polygon points=\"1,1 2,2 3,1\"/><use href=\"#loop\"/></g>")
            << "The 1st <use> draws \"#loop\", which holds it: a <use> can't draw itself or an element around it.";
        QTest::newRow("<use> of <use> of ...")
            << drawing(doublingUses(30))
            << "The 61st <use> would draw more than 10,000 elements through <use>, the most a drawing may.";
        QTest::newRow("a <use> of nothing here")
            << drawing("<use href=\"letters.svg#A\"/>")
            << "The 1st <use> refers to \"letters.svg#A\", which is no element of this drawing: only the drawing's "
               "own elements are drawn through <use>.";
        // Reference bytes 04 and 06 named no point of the drawing; read as they are, 04 would name the new
        // polygon's third corner.
        QTest::newRow("a reference that would name a new point")
            << drawing(R"(<polygon points="118,118 138,118 138,138 118,138"/>)"
                       R"(<polygon id="polygon-2" points="" data-vertiloom-corners="04 06"/>)",
                       R"(viewBox="0 0 256 256" data-vertiloom-points="2")")
            << R"(The <polygon> "polygon-2" keeps the reference byte 04, which names no point of the drawing but would )"
               R"(name point 3 of the letter read from it: take it out of data-vertiloom-corners.)";
        QTest::newRow("every problem at once")
            << drawing(
                   R"(<path id="bowl" d="M 0 0 L 10 0 C 20 0 20 10 10 10 Z"/><polyline points="1,1 2,2 3,1"/>)"
                   R"s(<polygon points="0,0 300,0 0,10"/><g transform="spin(4)"><rect width="300" height="9"/></g>)s"
                   R"(<line x2="9" stroke="red" stroke-width="3"/>)")
            << "The <path> \"bowl\" has a curve (command C): straighten the curves first; only straight lines are "
               "read.\nThe 1st <polyline> is not closed: its last point is not its first.\nThe 1st <polygon> has a "
               "point outside the drawing's square (at 172, -128 in the letter's units, which run from -128 to "
               "127).\nThe 1st <g> can't be read: its transform attribute is not valid at character 1.\nThe 1st "
               "<line> is a stroke 3 units wide: only a line at most 1 unit wide is read, as a polygon of two "
               "corners.\nOr let vertiloom-cli import IMAGE DRAWING --letter L --fit flatten the drawing into the "
               "letter's limits.";
    }

    void refusals()
    {
        QFETCH(QByteArray, svg);
        QFETCH(QString, message);
        const QString refused = refusal(svg);
        QVERIFY2(refused.startsWith(message), qPrintable(refused));
        // The fit is offered for a curve or a wide stroke, and only then.
        QCOMPARE(refused.endsWith(QStringLiteral("--fit flatten the drawing into the letter's limits.")),
                 message.contains(QStringLiteral("straighten the curves"))
                     || message.contains(QStringLiteral("wide:")));
    }

    // Patches written out by hand from the format: the smallest patch createBps can make, each byte
    // as expected, and the target it gives back.
    void bpsByHand_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QByteArray>("metadata");
        QTest::addColumn<QByteArray>("patch");
        QByteArray oneByte = counting(16);
        oneByte[5] = 0x42;
        // SourceRead 5, TargetRead 1 (42), SourceRead 10.
        QTest::newRow("one byte changed") << counting(16) << oneByte << QByteArray()
                                          << bytesFromHex("42505331 90 90 80  90 81 42 A4  88E2CECE E4EEBD31 C7726C14");
        // Metadata "hi"; SourceRead 16, TargetRead 3 ("XYZ").
        QTest::newRow("longer target") << counting(16) << counting(16) + "XYZ" << QByteArray("hi")
                                       << bytesFromHex(
                                              "42505331 90 93 82 6869  BC 89 58595A  88E2CECE C2CC9B82 F58B7C7D");
        // Bytes 8..11 taken out: SourceRead 8, then SourceCopy of the other 52 from source offset 12.
        QTest::newRow("shorter target") << counting(64) << counting(64).remove(8, 4) << QByteArray()
                                        << bytesFromHex("42505331 C0 BC 80  9C 4E80 98  8CCE0E10 EA2809C3 BEE0EDF3");
        // SourceRead 4, TargetRead 1 (AA), TargetCopy of 7 bytes from target offset 4, SourceRead 4.
        QTest::newRow("a run") << counting(16) << counting(4) + QByteArray(8, '\xAA') + counting(16).mid(12)
                               << QByteArray()
                               << bytesFromHex("42505331 90 90 80  8C 81AA 9B88 8C  88E2CECE 2ECA7351 4B6287D8");
    }

    void bpsByHand()
    {
        QFETCH(QByteArray, source);
        QFETCH(QByteArray, target);
        QFETCH(QByteArray, metadata);
        QFETCH(QByteArray, patch);
        QCOMPARE(createBps(source, target, metadata).toHex(' '), patch.toHex(' '));
        QCOMPARE(applyBps(source, patch), target);
        const BpsPatch info = readBps(patch);
        QCOMPARE(info.metadata, metadata);
        QCOMPARE(info.bytes[0] + info.bytes[1] + info.bytes[2] + info.bytes[3], target.size());
    }

    // Random pairs of images, of the same size and of others, with bytes changed, put in, taken out,
    // runs written and blocks moved: every patch gives the target back.
    void bpsRoundTrips()
    {
        QRandomGenerator random(20261208);
        const auto bytes = [&](qsizetype count) {
            QByteArray out(count, Qt::Uninitialized);
            for (char& c : out)
                c = static_cast<char>(random.bounded(random.bounded(2) ? 4 : 256));
            return out;
        };
        for (int round = 0; round < 300; ++round) {
            const QByteArray source = bytes(random.bounded(round % 10 == 0 ? 20000 : 600));
            QByteArray target = source;
            const int edits = random.bounded(6);
            for (int e = 0; e < edits; ++e) {
                const qsizetype at = random.bounded(target.size() + 1);
                const qsizetype length = random.bounded(1, 80);
                switch (random.bounded(5)) {
                case 0:
                    target.insert(at, bytes(length));
                    break;
                case 1:
                    target.remove(at, length);
                    break;
                case 2:
                    target.insert(at, QByteArray(length, static_cast<char>(random.bounded(256))));
                    break;
                case 3:
                    target.insert(at, source.mid(random.bounded(source.size() + 1), length));
                    break;
                default:
                    target.replace(at, length, bytes(length));
                    break;
                }
            }
            if (round % 7 == 0)
                target = bytes(random.bounded(700));
            const QByteArray patch = createBps(source, target, round % 3 ? QByteArray() : bytes(round % 40));
            QCOMPARE(applyBps(source, patch), target);
            const BpsPatch info = readBps(patch);
            QCOMPARE(info.bytes[0] + info.bytes[1] + info.bytes[2] + info.bytes[3], target.size());
        }
        // A 2 MiB image with 24 small changes is a small patch; the same image, one of a few bytes.
        const QByteArray image = makeRomImage();
        QByteArray changed = image;
        for (int i = 0; i < 24; ++i)
            putBytes(changed, 0x47000 + 0x80 * i, bytes(40));
        QVERIFY(createBps(image, changed).size() < 24 * 50);
        QCOMPARE(createBps(image, image).size(), 27);
    }

    // Every malformed patch is refused with the action and its byte named.
    void bpsRefusals_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArray>("patch");
        QTest::addColumn<QString>("message");
        const QByteArray s16 = counting(16);
        const char* oneByte = "42505331 90 90 80  90 81 42 A4";
        QByteArray damaged = sealed(oneByte, 0xCECEE288, 0x31BDEEE4);
        damaged[damaged.size() - 1] = 0;
        const auto row = [](const char* name, const QByteArray& source, const QByteArray& patch, const char* message) {
            QTest::newRow(name) << source << patch << QString::fromUtf8(message);
        };
        row("not BPS", s16, QByteArray("PATCHEOF"), "This is not a BPS patch: it does not begin with \"BPS1\".");
        row("too short", s16, bytesFromHex("42505331 80 80 80"),
            "The patch is cut short: its 7 bytes cannot hold the head and the three checksums of a BPS patch (19 bytes "
            "at least).");
        row("patch CRC32", s16, damaged, "The patch is damaged: its bytes have the CRC32 14");
        row("source CRC32", s16, sealed(oneByte, 0x12345678, 0x31BDEEE4),
            "This patch was made for an image with CRC32 12345678; this image has CECEE288.");
        row("target CRC32", s16, sealed(oneByte, 0xCECEE288, 0x12345678),
            "The patched image has the CRC32 31BDEEE4, but the patch says its result has 12345678.");
        row("source size", s16, sealed("42505331 91 90 80  90 81 42 A4", 0xCECEE288, 0x31BDEEE4),
            "This patch was made for an image of 17 bytes; this image has 16 bytes.");
        row("head number without end", s16, sealed("42505331 10 10 10", 0, 0),
            "The patch is cut short: its head ends after its checksums begin at byte 7.");
        row("action number without end", s16, sealed("42505331 90 84 80  00 00", 0, 0),
            "The patch is cut short: action 1 at byte 7 ends after its checksums begin at byte 9.");
        row("number beyond a file", s16, sealed("42505331 90 84 80  00 00 00 00 00 00 00 00 00 80", 0, 0),
            "Action 1 at byte 7 of the patch holds a number beyond any file's size.");
        // Ten bytes that would wrap round 64 bits to 5, the source's size: no size needs that many.
        row("number longer than any size", counting(5),
            sealed("42505331 05 7F 7E7E7E7E7E7E7E 80  85 80  90", 0x515AD3CC, 0x515AD3CC),
            "The patch's head holds a number beyond any file's size at byte 4.");
        row("target over 64 MiB", s16, sealed("42505331 90 017F7E9E 80", 0, 0),
            "One of the patch's images is 67,108,865 bytes");
        row("metadata past the end", s16, sealed("42505331 90 84 85 41", 0, 0),
            "The patch is cut short: its head ends after its checksums begin at byte 8.");
        row("past the target", s16, sealed("42505331 90 90 80  C0", 0, 0),
            "Action 1 at byte 7 of the patch (SourceRead) writes 17 bytes at offset 0x0, past the end of the target "
            "(16 bytes).");
        row("past the source", s16, sealed("42505331 90 A0 80  FC", 0, 0),
            "Action 1 at byte 7 of the patch (SourceRead) reads 32 bytes from offset 0x0 of the source, outside its 16 "
            "bytes.");
        row("before the source", s16, sealed("42505331 90 84 80  8E 83", 0, 0),
            "Action 1 at byte 7 of the patch (SourceCopy) reads 4 bytes from offset -0x1 of the source, outside its 16 "
            "bytes.");
        row("target not yet written", s16, sealed("42505331 90 84 80  81 41  8B 82", 0, 0),
            "Action 2 at byte 9 of the patch (TargetCopy) copies from offset 0x1 of the target, where only the bytes "
            "before "
            "offset 0x1 are written.");
        row("literal past the checksums", s16, sealed("42505331 90 84 80  8D 4142", 0, 0),
            "The patch is cut short: action 1 at byte 7 ends after its checksums begin at byte 10.");
        row("actions end early", s16, sealed("42505331 90 84 80  84", 0, 0),
            "The patch is cut short: its actions end at byte 8 with 2 of the target's 4 bytes written.");
        row("actions go on", s16, sealed("42505331 90 81 80  80 80", 0, 0),
            "The patch goes on after its target is whole: its actions end at byte 8, but its checksums begin at byte "
            "9.");
    }

    void bpsRefusals()
    {
        QFETCH(QByteArray, source);
        QFETCH(QByteArray, patch);
        QFETCH(QString, message);
        const QString refused = bpsRefusal(source, patch);
        QVERIFY2(refused.startsWith(message), qPrintable(refused));
    }

    // A patch cut short anywhere is refused: as it stands (its checksums gone), and with its checksums
    // made good again (its actions cut).
    void bpsCutShort()
    {
        const QByteArray source = counting(64);
        const QByteArray patch = bytesFromHex("42505331 C0 BC 80  9C 4E80 98  8CCE0E10 EA2809C3 BEE0EDF3");
        QCOMPARE(applyBps(source, patch), counting(64).remove(8, 4));
        for (qsizetype size = 0; size < patch.size(); ++size) {
            QVERIFY2(!bpsRefusal(source, patch.first(size)).startsWith(u'('), qPrintable(QString::number(size)));
            if (size >= 4 && size < patch.size() - 12) {
                const QByteArray cut = sealed(patch.first(size).toHex().constData(), 0x100ECE8C, 0xC30928EA);
                QVERIFY2(!bpsRefusal(source, cut).startsWith(u'('), qPrintable(QString::number(size)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(FormatsTest)
#include "tst_formats.moc"
