// Canvas: pixel-exact rectangles, pixels, lines and text on a QImage; see canvas.h.
#include "preview/canvas.h"

#include <QPainter>
#include <cstdlib>

namespace vertiloom {

Canvas::Canvas(int width, int height) : image_(width, height, QImage::Format_RGB32)
{
    image_.fill(Qt::black);
}

void Canvas::plot(int x, int y, const QColor& color)
{
    if (x >= 0 && y >= 0 && x < image_.width() && y < image_.height())
        image_.setPixel(x, y, color.rgb());
}

void Canvas::rectangle(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const bool edge = x == left || x == right - 1 || y == top || y == bottom - 1;
            plot(x, y, edge ? penColor_ : brushColor_);
        }
    }
}

void Canvas::setPixel(int x, int y, const QColor& color) { plot(x, y, color); }

void Canvas::moveTo(int x, int y) { pen_ = QPoint(x, y); }

void Canvas::lineTo(int x, int y)
{
    // Bresenham from the pen towards (x, y); the target pixel itself is left unpainted.
    int cx = pen_.x();
    int cy = pen_.y();
    const int dx = std::abs(x - cx);
    const int dy = -std::abs(y - cy);
    const int sx = cx < x ? 1 : -1;
    const int sy = cy < y ? 1 : -1;
    int err = dx + dy;
    while (cx != x || cy != y) {
        plot(cx, cy, penColor_);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            cx += sx;
        }
        if (e2 <= dx) {
            err += dx;
            cy += sy;
        }
    }
    pen_ = QPoint(x, y);
}

void Canvas::textOut(int x, int y, const QString& text, const QFont& font, const QColor& color)
{
    // No anti-aliasing: on the overlay only pure black is transparent, so grey fringes would show.
    QFont sharp(font);
    sharp.setStyleStrategy(QFont::NoAntialias);
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(sharp);
    const QFontMetrics metrics(sharp);
    const QRect box(x, y, metrics.horizontalAdvance(text), metrics.height());
    painter.fillRect(box, brushColor_);
    painter.setPen(color);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

} // namespace vertiloom
