// Canvas: pixel-exact rectangles, pixels, lines and text on a QImage; see canvas.h. Rectangles
// and lines write the 32-bit pixels directly: START! clears a whole layer every time.
#include "preview/canvas.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace vertiloom {

namespace {

// The layer is 32 bits per pixel with the top byte always 0xFF, as QImage::setPixel writes it.
QRgb opaque(const QColor& color) { return color.rgb() | 0xFF000000u; }

} // namespace

Canvas::Canvas(int width, int height) : image_(width, height, QImage::Format_RGB32) { image_.fill(Qt::black); }

void Canvas::plot(int x, int y, const QColor& color)
{
    if (x >= 0 && y >= 0 && x < image_.width() && y < image_.height())
        image_.setPixel(x, y, color.rgb());
}

void Canvas::rectangle(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    // Row by row: the top and bottom rows in the pen colour, the others in the brush colour with
    // the pen at both ends; whatever lies outside the image is left out.
    const int x0 = std::max(left, 0);
    const int x1 = std::min(right, image_.width());
    const int y0 = std::max(top, 0);
    const int y1 = std::min(bottom, image_.height());
    if (x0 >= x1 || y0 >= y1)
        return;
    const QRgb pen = opaque(penColor_);
    const QRgb brush = opaque(brushColor_);
    if (pen == brush && x0 == left && y0 == top && x1 == right && y1 == bottom && x0 == 0 && y0 == 0
        && x1 == image_.width() && y1 == image_.height()) {
        // Clearing the whole layer, as START! does.
        image_.fill(brush);
        return;
    }
    uchar* const bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (int y = y0; y < y1; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(bits + y * stride);
        const bool edgeRow = y == top || y == bottom - 1;
        std::fill(line + x0, line + x1, edgeRow ? pen : brush);
        if (!edgeRow) {
            if (left == x0)
                line[left] = pen;
            if (right == x1)
                line[right - 1] = pen;
        }
    }
}

void Canvas::setPixel(int x, int y, const QColor& color) { plot(x, y, color); }

void Canvas::moveTo(int x, int y) { pen_ = QPoint(x, y); }

void Canvas::lineTo(int x, int y)
{
    // Bresenham from the pen towards (x, y); the target pixel itself is left unpainted.
    const QRgb pen = opaque(penColor_);
    uchar* const bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    const int width = image_.width();
    const int height = image_.height();
    int cx = pen_.x();
    int cy = pen_.y();
    if (cx == x && cy == y)
        return;
    if (cx == x || cy == y) {
        // A straight run (the axes, most letter strokes): the pixels from the pen up to the
        // target, clipped to the image.
        const bool across = cy == y;
        const int at = across ? cy : cx;
        const int from = across ? cx : cy;
        const int to = across ? x : y;
        const int lo = std::max(std::min(from, to + 1), 0);
        const int hi = std::min(std::max(from + 1, to), across ? width : height);
        if (at >= 0 && at < (across ? height : width)) {
            if (across) {
                QRgb* line = reinterpret_cast<QRgb*>(bits + at * stride);
                std::fill(line + lo, line + std::max(hi, lo), pen);
            } else {
                for (int row = lo; row < hi; ++row)
                    reinterpret_cast<QRgb*>(bits + row * stride)[at] = pen;
            }
        }
        pen_ = QPoint(x, y);
        return;
    }
    const int dx = std::abs(x - cx);
    const int dy = -std::abs(y - cy);
    const int sx = cx < x ? 1 : -1;
    const int sy = cy < y ? 1 : -1;
    int err = dx + dy;
    while (cx != x || cy != y) {
        if (cx >= 0 && cy >= 0 && cx < width && cy < height)
            reinterpret_cast<QRgb*>(bits + cy * stride)[cx] = pen;
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

const QImage& Canvas::textBox(const QString& text, const QFont& font, QRgb color)
{
    const QRgb brush = opaque(brushColor_);
    for (const TextBox& box : textBoxes_) {
        if (box.text == text && box.color == color && box.brush == brush && box.font == font)
            return box.pixels;
    }
    // Only a few texts come back (the point numbers in two colours); anything else is not kept long.
    constexpr size_t kMaxTextBoxes = 64;
    if (textBoxes_.size() >= kMaxTextBoxes)
        textBoxes_.clear();

    // No anti-aliasing: on the overlay only pure black is transparent, so grey fringes would show.
    QFont sharp(font);
    sharp.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(sharp);
    QImage pixels(std::max(metrics.horizontalAdvance(text), 0), metrics.height(), image_.format());
    pixels.fill(brush);
    if (!pixels.isNull()) {
        QPainter painter(&pixels);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(sharp);
        painter.setPen(QColor::fromRgba(color));
        painter.drawText(pixels.rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
    textBoxes_.push_back({text, font, color, brush, pixels});
    return textBoxes_.back().pixels;
}

void Canvas::textOut(int x, int y, const QString& text, const QFont& font, const QColor& color)
{
    // The box is drawn once per font, text and colours, then copied; what falls outside is left out.
    const QImage& box = textBox(text, font, color.rgba());
    const int x0 = std::max(x, 0);
    const int y0 = std::max(y, 0);
    const int x1 = std::min(x + box.width(), image_.width());
    const int y1 = std::min(y + box.height(), image_.height());
    if (x0 >= x1)
        return;
    uchar* const bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (int row = y0; row < y1; ++row) {
        const QRgb* from = reinterpret_cast<const QRgb*>(box.constScanLine(row - y)) + (x0 - x);
        std::copy(from, from + (x1 - x0), reinterpret_cast<QRgb*>(bits + row * stride) + x0);
    }
}

} // namespace vertiloom
