#pragma once
// Glyphs drawn with lines and rectangles when a skin gives no picture for a
// caption button, menu check or arrow. Lines follow the platform pen rule:
// the end point of a line is not drawn. Rectangle outlines and fills cover
// left..right-1 and top..bottom-1.
//
// Each glyph is first computed as a list of filled one-colour rectangles (its
// shape), then painted.

#include <QPainter>
#include <vector>

#include "base/geometry.h"

namespace lumora {

// Glyphs placed by the top-left (x, y) of their cell.
enum TskGlyphKind {
  gkCheckMark,
  gkSmallSquare,
  gkClose,
  gkMinimize,
  gkMaximize,
  gkRestore,
  gkFlatBar,
  gkWideDownTriangle,
  gkFilledBox,
};

// Arrow directions.
enum TskArrowDirection { adLeft = 1, adRight = 2, adUp = 3, adDown = 4 };

// The pixels of a line from a to b, without b.
std::vector<TPoint> LinePixels(TPoint a, TPoint b);

// Four rows (or columns) centred in r: the tip one pixel, each following row
// one pixel longer on each side. Empty for an unknown direction.
std::vector<TRect> ArrowMarkShape(const TRect& r, int direction);
// Three rows centred in r, 5, 3 and 1 pixels wide from the top.
std::vector<TRect> DownTriangleShape(const TRect& r);
std::vector<TRect> GlyphShape(TskGlyphKind kind, int x, int y);

void DrawShape(QPainter& canvas, const std::vector<TRect>& shape, TColor colour);
void DrawArrowMark(QPainter& canvas, const TRect& r, TColor colour, int direction);
void DrawDownTriangle(QPainter& canvas, const TRect& r, TColor colour);
void DrawGlyph(QPainter& canvas, TskGlyphKind kind, int x, int y, TColor colour);

}  // namespace lumora
