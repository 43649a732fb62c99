// The letter as an SVG drawing, to change in a vector editor and read back: the writer of the
// editor's own drawing, and the reader of straight-lined drawings from anywhere.
#pragma once

#include "record/record.h"

#include <QByteArray>

namespace vertiloom {

// Filters of the dialogs that save and open a drawing.
inline constexpr const char* kSvgSaveFilter = "SVG|*.svg";
inline constexpr const char* kSvgOpenFilter = "SVG|*.svg|All|*";

// The letter drawn in a 256 x 256 viewBox, unit (x, y) at (x + 128, y + 128), y down: each polygon a
// <polygon> in its colour with fill="none" (a corner whose reference names no point of the letter is
// left out of the outline, as the preview leaves it out), then every point as a small circle with its
// number, in a group of their own. What a drawing can't show rides along as data-vertiloom-*
// attributes: the point count and the letter's tail on the root, each polygon's reference bytes,
// parameter bytes and tail on its <polygon>, each circle's point number. letterFromSvg gives back the
// identical record.
QByteArray letterToSvg(const LetterRecord& record);

// The letter of an SVG drawing. Read are <polygon>, <polyline> whose last point is its first (the
// closing point is no corner of its own), <rect> without rounded corners and <path> of straight
// segments (M, L, H, V, Z, absolute and relative) whose every part is closed (by Z, or by ending where
// it began), each part one polygon; a stroke of one segment (a <line>, drawn by its stroke alone, an
// open path part or <polyline> of two points) at most 1 unit wide is a polygon of two corners, as the
// game draws its strokes; the transforms of the element and of its groups apply, the root's
// within its viewBox. A <use> draws the element of the file it refers to; a <switch> draws its first
// child whose conditions hold (requiredExtensions never holds, systemLanguage holds for English or the
// locale's language, requiredFeatures always). What a viewer doesn't draw is passed over: text,
// images, elements that are hidden (display none, opacity 0) or not drawn (inside defs, clip paths,
// masks...), shapes whose visibility is hidden or collapse, and shapes with neither fill nor stroke.
// The root's viewBox (else its width and height, else 0 0 256 256) is fitted into the letter's
// 256-unit square, centred, its aspect kept; coordinates are rounded to whole units (the far edge,
// unit 128, counts as 127).
//
// Points are numbered in the order they first appear, corners at the same unit or within half a unit
// across and down being one point; the polygons keep the drawing's order and each its corners in
// drawing order. A drawing this editor wrote keeps its own numbering, through its data attributes: a
// polygon with as many corners as its reference bytes name keeps them, its corner list matched to them
// from whichever corner it starts and whichever way it runs (as a vector editor may rewrite it) so
// that most corners lie on their points' circles, a point no polygon uses comes from its circle, and a corner moved away
// from a point that another polygon shares becomes a point of its own. A corner's parameter byte and a
// polygon's tail come from the polygon's data attributes when it has them, else from the corner and
// polygon at the same place in current, else 00; the letter's tail likewise.
//
// Throws Error, naming the element (its id, else its place such as "the 3rd <path>") and the limit,
// each problem on its own line, all of them at once, for a curve (a circle, an ellipse, a rounded rect,
// C, S, Q, T or A in a path) or a stroke wider than 1 unit, a
// shape that is not closed, a corner outside the square, more than 20 points, 8 polygons or 11 corners in a polygon,
// attributes that can't be read, a file that is not well-formed XML or not SVG, a hidden root, an
// element more than 256 levels deep (found before anything else is read), a <use> of nothing in the
// file, of itself or of an element around it, <use> elements drawing more than 10,000 elements, a kept
// reference byte that would name a point of the letter read, and a drawing with nothing to read. A file
// that is no SVG, an element too deep, <use> elements drawing too much, a hidden root or a viewBox that
// can't be read stop the reading where they are found.
LetterRecord letterFromSvg(const QByteArray& svg, const LetterRecord& current);

} // namespace vertiloom
