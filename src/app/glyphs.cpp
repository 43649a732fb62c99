// The picture buttons' glyphs; see glyphs.h.
#include "app/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace vertiloom {

namespace {

// A round arrow turning clockwise: load the same file again.
void drawReload(QPainter& p)
{
    const QColor green(0, 128, 0);
    p.setPen(QPen(green, 2.0, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 2.5, 11, 11), 100 * 16, 270 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawPolygon(QPolygonF({QPointF(7.0, 0.5), QPointF(11.5, 3.5), QPointF(7.0, 6.5)}));
}

// A red cross: empty the letter.
void drawClear(QPainter& p)
{
    p.setPen(QPen(QColor(200, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

// An open box at the bottom; the arrow points into it (read) or out of it (write).
void drawBoxArrow(QPainter& p, bool into)
{
    p.setPen(QPen(QColor(64, 64, 64), 1.0));
    p.setBrush(QColor(230, 200, 120));
    p.drawPolyline(QPolygonF({QPointF(1.5, 9.5), QPointF(1.5, 14.5), QPointF(14.5, 14.5), QPointF(14.5, 9.5)}));
    p.fillRect(QRectF(2, 10, 12, 4), QColor(230, 200, 120));

    const QColor blue(0, 70, 200);
    p.setPen(QPen(blue, 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(8, 1), QPointF(8, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    if (into)
        p.drawPolygon(QPolygonF({QPointF(4, 7), QPointF(12, 7), QPointF(8, 12)}));
    else
        p.drawPolygon(QPolygonF({QPointF(4, 5), QPointF(12, 5), QPointF(8, 0)}));
}

} // namespace

QIcon bitBtnGlyph(int n)
{
    QPixmap pixmap(kGlyphSize, kGlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (n) {
    case 1:
        drawReload(painter);
        break;
    case 2:
        drawClear(painter);
        break;
    case 3:
        drawBoxArrow(painter, true);
        break;
    case 4:
        drawBoxArrow(painter, false);
        break;
    default:
        break;
    }
    painter.end();
    return QIcon(pixmap);
}

} // namespace vertiloom
