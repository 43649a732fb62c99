// The shapes a letter is fitted from: the area an SVG drawing fills (curves, arcs, circles, strokes),
// a font's glyph through Qt's own font engine, and the dark shape of a picture traced into contours.
// Each is a filled QPainterPath with its fill rule, in the source's own coordinates, y growing downward.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainterPath>
#include <QString>

namespace vertiloom {

// The area an SVG viewer fills: <path> with every command (M L H V C S Q T A Z, absolute and relative),
// <polygon>, <polyline>, <rect> (rounded by rx and ry), <circle>, <ellipse> and <line>, in <g>, <a>,
// <switch> (its first child whose conditions hold), nested <svg> and <use> (of the file's own elements,
// <symbol> included), with their transforms, in the root's user coordinates (its viewBox is not applied).
// A filled shape gives its inside by its fill-rule (nonzero or evenodd); a stroked one adds its stroke's
// outline (width, line cap, line join and miter limit kept; dashes are drawn solid), so that a <line>
// or an open path with a stroke width is a band. A closed shape drawn only by a hairline stroke (at most
// 2 % of the larger side of the drawing or of its viewBox, as a letter drawn by this editor is) gives its inside, not a thin
// ring; the circles that mark its points are passed over. Passed over too: what a viewer doesn't draw
// (hidden, transparent, without fill and stroke, in defs, clip paths, masks, patterns, markers, text,
// images, elements of other namespaces). Several shapes are united into one area (odd-even), their
// curves flattened to within 1/8192 of the drawing's larger side; a single shape keeps its curves.
//
// Throws Error naming shownName and what is wrong: a file that is not well-formed XML or not SVG, an
// element more than 256 levels deep, an attribute that can't be read, a <use> of nothing in the file or
// of an element around it, <use> elements drawing more than 10,000 elements, and a drawing that fills
// nothing.
QPainterPath shapeFromSvg(const QByteArray& svg, const QString& shownName);

// The outline of a character in a font: font is "FAMILY" or "FAMILY:STYLE" (such as "DejaVu Sans:Bold")
// of an installed font, or the path of a .ttf, .otf or .ttc file. The glyph is 256 units to the em,
// unhinted, its baseline at y 0 (the letter above it at negative y), filled by the nonzero rule.
// Needs a QGuiApplication (Qt's font engine). Throws Error for a family or style that is not installed,
// a file that is no font, a character the font lacks, and a character that draws nothing (a space).
QPainterPath shapeFromFont(const QString& font, char32_t character);

// The dark shape of a picture: grey is the luminance with transparency laid over white, dark is what
// the threshold that best splits the picture's own histogram in two (Otsu's) puts on the dark side.
// Its boundaries are traced between the pixel centres with marching squares, crossings placed where
// the grey meets the threshold (so an anti-aliased edge is traced smooth), points on straight runs left
// out. In pixels, (0, 0) the top left corner of the picture; filled by the odd-even rule, so holes are
// holes. A picture larger than 2048 pixels on a side is traced at 2048 and the contours scaled back.
// Throws Error for an empty picture and one with nothing dark (one shade, or shades too close to tell
// a shape from its ground).
QPainterPath shapeFromPicture(const QImage& picture);

// A picture file's bytes as an image: PNG, JPEG, BMP and the rest Qt reads, an SVG drawn as a picture
// 1024 pixels on its larger side. Throws Error naming shownName when they are none of these.
QImage pictureFromBytes(const QByteArray& bytes, const QString& shownName);

} // namespace vertiloom
