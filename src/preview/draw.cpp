// Drawing the letter and the overlays; see draw.h.
#include "preview/draw.h"

#include "model/error.h"
#include "model/hex.h"
#include "model/messages.h"

#include <array>

namespace vertiloom {

namespace {

// The preview position of a coordinate text. Anything but the 256 two-digit upper-case texts has
// no position; the desktop's integer conversion then fails with this message.
int previewPosition(const QString& coordinate)
{
    const int position = HexToPreviewPosition(coordinate);
    if (position < 0)
        throw Error(tr("'' is not a valid integer value"));
    return position;
}

QPoint pointPixel(const EditorForm& form, int n)
{
    return {previewPosition(form.text(FieldId::x(n))), previewPosition(form.text(FieldId::y(n)))};
}

// The point a corner stands on, or 0 when its reference names none.
int resolveCorner(const EditorForm& form, int p, int k) { return VertexRefToPoint(form.text(FieldId::pol(p, k))); }

int cornerCount(const EditorForm& form, int p)
{
    int count = 0;
    for (int k = 1; k <= kCorners; ++k)
        count += form.checked(FieldId::checkPol(p, k)) ? 1 : 0;
    return count;
}

// The outline of polygon p with count checked corners (its Degree as START! recounts it).
void drawPolygon(const EditorForm& form, Canvas& canvas, int p, int count)
{
    canvas.setPenColor(polygonColor(p));
    const int first = resolveCorner(form, p, 1);
    if (form.checked(FieldId::checkPol(p, 1)) && first != 0) {
        const QPoint at = pointPixel(form, first);
        canvas.moveTo(at.x(), at.y());
    }
    for (int k = 2; k <= kCorners; ++k) {
        const int n = form.checked(FieldId::checkPol(p, k)) ? resolveCorner(form, p, k) : 0;
        if (n != 0) {
            const QPoint to = pointPixel(form, n);
            canvas.lineTo(to.x(), to.y());
        }
    }
    // The closing line runs back to corner 1 even when that corner's box is clear.
    if (count != 0 && first != 0) {
        const QPoint to = pointPixel(form, first);
        canvas.lineTo(to.x(), to.y());
    }
}

void drawPoints(const EditorForm& form, Canvas& canvas)
{
    clearLayer(canvas);
    for (int n = 1; n <= kPoints; ++n) {
        if (form.checked(FieldId::checkBox(n))) {
            const QPoint at = pointPixel(form, n);
            canvas.setPixel(at.x(), at.y(), kWhite);
        }
    }
}

bool hasPosition(const EditorForm& form, int n)
{
    return HexToPreviewPosition(form.text(FieldId::x(n))) >= 0 && HexToPreviewPosition(form.text(FieldId::y(n))) >= 0;
}

} // namespace

void clearLayer(Canvas& layer)
{
    layer.setPenColor(kBlack);
    layer.setBrushColor(kBlack);
    layer.rectangle(0, 0, kPreviewSize, kPreviewSize);
}

void drawAxes(const EditorForm& form, Canvas& canvas)
{
    const bool on = form.checked(FieldId::checkBox(22));
    canvas.setPenColor(on ? kAxisColor : kBlack);
    for (const int x : {128, 64, 192}) {
        canvas.moveTo(x, 0);
        canvas.lineTo(x, 255);
    }
    for (const int y : {128, 64, 192}) {
        canvas.moveTo(0, y);
        canvas.lineTo(255, y);
    }
}

void drawPointNumbers(const EditorForm& form, Canvas& canvas)
{
    clearLayer(canvas);
    QFont font;
    font.setPointSize(9);
    font.setBold(true);
    const QColor color = form.checked(FieldId::checkBox(21)) ? kWhite : kBlack;
    for (int n = 1; n <= kPoints; ++n) {
        if (!form.checked(FieldId::checkBox(n)))
            continue;
        const QPoint at = pointPixel(form, n);
        canvas.textOut(at.x(), at.y(), QString::number(n), font, color);
    }
    if (form.checked(FieldId::checkBox(22)))
        drawAxes(form, canvas);
}

void refreshOverlays(const EditorForm& form, Canvas& overlay)
{
    // Redrawing the point numbers redraws the axes over them too when those are on.
    if (form.checked(FieldId::checkBox(21)))
        drawPointNumbers(form, overlay);
    else if (form.checked(FieldId::checkBox(22)))
        drawAxes(form, overlay);
}

void drawLetter(EditorForm& form, Canvas& canvas)
{
    drawPoints(form, canvas);
    for (int p = 1; p <= kPolygons; ++p) {
        const int count = cornerCount(form, p);
        form.setText(FieldId::degree(p), count == 0 ? QStringLiteral("FF") : TwoDigitHex(count));
        drawPolygon(form, canvas, p, count);
    }
}

QImage letterFromFields(const EditorForm& form, const Canvas& layer)
{
    // Every coordinate the drawing reads: the checked points' and the corners' points'.
    for (int n = 1; n <= kPoints; ++n) {
        if (form.checked(FieldId::checkBox(n)) && !hasPosition(form, n))
            return {};
    }
    for (int p = 1; p <= kPolygons; ++p) {
        const int count = cornerCount(form, p);
        for (int k = 1; k <= kCorners; ++k) {
            const bool read = form.checked(FieldId::checkPol(p, k)) || (k == 1 && count != 0);
            const int n = read ? resolveCorner(form, p, k) : 0;
            if (n != 0 && !hasPosition(form, n))
                return {};
        }
    }
    Canvas canvas = layer;
    drawPoints(form, canvas);
    for (int p = 1; p <= kPolygons; ++p)
        drawPolygon(form, canvas, p, cornerCount(form, p));
    return canvas.image();
}

QImage composedPreview(const QImage& letterLayer, const QImage& overlay)
{
    QImage out = letterLayer.copy();
    const QRgb black = qRgb(0, 0, 0);
    for (int y = 0; y < out.height(); ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(overlay.constScanLine(y));
        QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((src[x] & 0xFFFFFFu) != (black & 0xFFFFFFu))
                dst[x] = src[x];
        }
    }
    return out;
}

} // namespace vertiloom
