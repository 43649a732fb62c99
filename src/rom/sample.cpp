// The sample ROM image; see sample.h. Each glyph is drawn on a grid of 5 columns and 7 rows
// (20 units apart, about the centre of the preview) from strokes: a loop is a closed outline, a line is an
// open stroke drawn there and back, so its outline retraces itself.
#include "rom/sample.h"

#include "model/hex.h"
#include "record/compiler.h"
#include "rom/catalogue.h"

#include <QList>
#include <QPoint>

namespace vertiloom {

namespace {

struct Stroke {
    bool loop;
    QList<QPoint> grid; // (column 0..4, row 0..6)
};

using Glyph = QList<Stroke>;

Stroke loop(std::initializer_list<QPoint> points) { return {true, points}; }
Stroke line(std::initializer_list<QPoint> points) { return {false, points}; }

// In catalogue order.
const QList<Glyph>& glyphs()
{
    static const QList<Glyph> all = {
        /* P  */ {loop({{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}})},
        /* A  */ {line({{0, 6}, {2, 0}, {4, 6}}), line({{1, 3}, {3, 3}})},
        /* U  */ {line({{0, 0}, {0, 5}, {1, 6}, {3, 6}, {4, 5}, {4, 0}})},
        /* S  */ {line({{4, 0}, {0, 0}, {0, 2}, {4, 4}, {4, 6}, {0, 6}})},
        /* E  */ {line({{4, 0}, {0, 0}, {0, 6}, {4, 6}}), line({{0, 3}, {3, 3}})},
        /* D  */ {loop({{0, 0}, {3, 0}, {4, 1}, {4, 5}, {3, 6}, {0, 6}})},
        /* !! */ {line({{1, 0}, {1, 4}}), line({{1, 5}, {1, 6}}), line({{3, 0}, {3, 4}}), line({{3, 5}, {3, 6}})},
        /* 0  */ {loop({{1, 0}, {3, 0}, {4, 1}, {4, 5}, {3, 6}, {1, 6}, {0, 5}, {0, 1}})},
        /* I  */ {line({{2, 0}, {2, 6}})},
        /* 2  */ {line({{0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 2}, {0, 6}}), line({{0, 6}, {4, 6}})},
        /* 3  */ {line({{0, 0}, {4, 0}, {4, 6}, {0, 6}}), line({{1, 3}, {4, 3}})},
        /* 4  */ {line({{3, 6}, {3, 0}, {0, 4}, {4, 4}})},
        /* 5  */ {line({{4, 0}, {0, 0}, {0, 3}, {3, 3}}), line({{3, 3}, {4, 4}, {4, 5}, {3, 6}, {0, 6}})},
        /* 6  */ {loop({{0, 3}, {4, 3}, {4, 6}, {0, 6}}), line({{4, 0}, {0, 0}, {0, 3}})},
        /* 7  */ {line({{0, 0}, {4, 0}, {1, 6}})},
        /* 8  */ {loop({{1, 0}, {3, 0}, {3, 3}, {1, 3}}), loop({{0, 3}, {4, 3}, {4, 6}, {0, 6}})},
        /* 9  */ {loop({{0, 0}, {4, 0}, {4, 3}, {0, 3}}), line({{4, 3}, {4, 6}, {0, 6}})},
        /* L  */ {line({{0, 0}, {0, 6}, {4, 6}})},
        /* C  */ {line({{4, 0}, {1, 0}, {0, 1}, {0, 5}, {1, 6}, {4, 6}})},
        /* T  */ {line({{0, 0}, {4, 0}}), line({{2, 0}, {2, 6}})},
        /* G  */ {line({{4, 0}, {0, 0}, {0, 6}, {4, 6}, {4, 3}, {2, 3}})},
        /* M  */ {line({{0, 6}, {0, 0}, {2, 3}, {4, 0}, {4, 6}})},
        /* V  */ {line({{0, 0}, {2, 6}, {4, 0}})},
        /* R  */ {loop({{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}), line({{2, 3}, {4, 6}})},
    };
    return all;
}

// The grid's first column and row. Two units off the centre, so that no stroke lies under the
// preview's axes at 128 (the middle row and column of the grid would otherwise fall on them).
constexpr int kLeft = -38;
constexpr int kTop = -58;

std::uint8_t coordinate(int grid, int origin) { return static_cast<std::uint8_t>(origin + 20 * grid); }

const QByteArray kPolygonTail = QByteArray::fromHex(kDefaultPolygonTail);

} // namespace

LetterRecord sampleLetter(int position)
{
    const Glyph& glyph = glyphs().at(position - 1);
    LetterRecord record;
    QList<QPoint> points;
    const auto reference = [&](QPoint p) {
        qsizetype n = points.indexOf(p);
        if (n < 0) {
            n = points.size();
            points.append(p);
            record.points.append({coordinate(p.x(), kLeft), coordinate(p.y(), kTop)});
        }
        return static_cast<char>(2 * n);
    };
    for (const Stroke& stroke : glyph) {
        QList<QPoint> corners = stroke.grid;
        if (!stroke.loop) {
            // There and back: the closing line returns to the first point along the stroke.
            for (qsizetype i = stroke.grid.size() - 2; i >= 1; --i)
                corners.append(stroke.grid[i]);
        }
        PolygonBlock block;
        for (const QPoint& corner : corners) {
            block.vertexRefs.append(reference(corner));
            block.parameters.append('\0');
        }
        record.polygons.append(block);
        record.polygonTails.append(kPolygonTail);
    }
    record.letterTail = QByteArray(kLetterTailSize, '\0');
    return record;
}

QByteArray sampleRomImage()
{
    QByteArray image(kSampleImageSize, kSampleFiller);
    const RomVariant& dump = kRomVariants[0];
    for (int position = 1; position <= kCatalogueSize; ++position) {
        const QByteArray bytes = sampleLetter(position).toBytes();
        const qint64 offset = HexToInt(QString::fromLatin1(kCatalogue[position - 1].baseOffset)) + dump.displacement;
        image.replace(offset, bytes.size(), bytes);
    }
    const QByteArray pause = QByteArray::fromHex("0001020304");
    const QByteArray gameOver = QByteArray::fromHex("1501160417180419");
    image.replace(HexToInt(QString::fromLatin1(dump.pauseOffset)), pause.size(), pause);
    image.replace(HexToInt(QString::fromLatin1(dump.gameOverOffset)), gameOver.size(), gameOver);
    return image;
}

} // namespace vertiloom
