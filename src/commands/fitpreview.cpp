// The fit as the drawing board shows it before it is taken: the sources it is asked for (a drawing
// or a picture file, a font's character, the board's tracing picture as placed), the box it is
// fitted into, and fitting the same source again with another style or box.
#include "commands/commands.h"

#include "fit/sources.h"
#include "model/error.h"
#include "model/messages.h"

#include <algorithm>
#include <cmath>

namespace vertiloom {

FitPreview previewFit(const Editor& editor, const QPainterPath& shape, std::optional<FitBox> box)
{
    FitPreview preview;
    preview.shape = shape;
    preview.options.box = box ? *box : letterBox(memoLetter(editor));
    preview.letter = fitLetter(shape, preview.options);
    return preview;
}

void refit(FitPreview& preview, const FitOptions& options)
{
    FittedLetter letter = fitLetter(preview.shape, options);
    preview.options = options;
    preview.letter = std::move(letter);
}

QString fitSourceFilter()
{
    return QStringLiteral("%1|*.svg *.png *.jpg *.jpeg *.bmp|%2|*").arg(tr("Drawings and pictures"), tr("All files"));
}

std::optional<QPainterPath> chooseFitDrawing(Platform& platform)
{
    const std::optional<QString> path = platform.openFileName(fitSourceFilter());
    if (!path)
        return std::nullopt;
    return shapeOfFile(*path);
}

std::optional<QPainterPath> chooseFontLetter(Platform& platform)
{
    const std::optional<FontCharacter> chosen =
        platform.chooseFontCharacter({tr("Letter from font"), tr("Font:"), tr("Style:"), tr("Character:")});
    if (!chosen)
        return std::nullopt;
    const QList<uint> characters = chosen->character.toUcs4();
    if (characters.size() != 1)
        throw Error(
            tr("Give one character to draw from the font \"%1\", not \"%2\".").arg(chosen->font, chosen->character));
    return shapeFromFont(chosen->font, static_cast<char32_t>(characters.front()));
}

QPainterPath tracedPicture(const QImage& picture, const QTransform& placement)
{
    return placement.map(shapeFromPicture(picture));
}

FitBox unitsCovered(const QPainterPath& shape)
{
    const QRectF bounds = shape.boundingRect();
    const auto unit = [](double at) { return std::clamp(static_cast<int>(std::floor(at)), kLowestUnit, kHighestUnit); };
    // The right and bottom edges belong to the unit before them: a shape over 0..21 covers units 0..20.
    const int x0 = unit(bounds.left()), y0 = unit(bounds.top());
    return {x0, y0, std::max(x0, unit(std::ceil(bounds.right()) - 1)),
            std::max(y0, unit(std::ceil(bounds.bottom()) - 1))};
}

} // namespace vertiloom
