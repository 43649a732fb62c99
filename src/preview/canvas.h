// Canvas: a 255×255 image with one pen and one brush, drawing as the desktop of the game's tools
// did: a line leaves its end pixel unpainted and the pen stays where the line ended.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <vector>

namespace vertiloom {

class Canvas {
public:
    Canvas(int width, int height);

    const QImage& image() const { return image_; }
    QImage& image() { return image_; }
    QPoint penPosition() const { return pen_; }

    void setPenColor(const QColor& color) { penColor_ = color; }
    void setBrushColor(const QColor& color) { brushColor_ = color; }

    // Where the pen stands and the colours it draws with; they carry over from one command to the
    // next, so the undo history keeps them with the pixels.
    struct Pen {
        QPoint position;
        QColor color;
        QColor brush;
        friend bool operator==(const Pen&, const Pen&) = default;
    };
    Pen pen() const { return {pen_, penColor_, brushColor_}; }
    void setPen(const Pen& pen)
    {
        pen_ = pen.position;
        penColor_ = pen.color;
        brushColor_ = pen.brush;
    }

    // The rectangle from (left, top) to (right, bottom), right and bottom excluded: outlined with
    // the pen, filled with the brush. The pen does not move.
    void rectangle(int left, int top, int right, int bottom);
    // Pixels outside the image are ignored.
    void setPixel(int x, int y, const QColor& color);
    void moveTo(int x, int y);
    // Paints every pixel from the pen to (x, y) except (x, y) itself, then moves the pen there.
    // Pixels outside the image are clipped.
    void lineTo(int x, int y);
    // Writes text with its top-left corner at (x, y) in the given colour, on a box of the brush
    // colour.
    void textOut(int x, int y, const QString& text, const QFont& font, const QColor& color);

private:
    void plot(int x, int y, const QColor& color);

    // A text box as textOut drew it. START! writes the same point numbers every time, and laying
    // out and drawing the text anew costs more than all the rest of START!.
    struct TextBox {
        QString text;
        QFont font;
        QRgb color;
        QRgb brush;
        QImage pixels;
    };
    const QImage& textBox(const QString& text, const QFont& font, QRgb color);
    std::vector<TextBox> textBoxes_;

    QImage image_;
    QPoint pen_{0, 0};
    QColor penColor_{0, 0, 0};
    QColor brushColor_{255, 255, 255};
};

} // namespace vertiloom
