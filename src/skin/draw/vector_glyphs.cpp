#include "skin/draw/vector_glyphs.h"

#include <cstdlib>

#include "skin/draw/colour.h"
#include "skin/draw/rect_routines.h"

namespace lumora {

namespace {

void AddLine(std::vector<TRect>& shape, TPoint a, TPoint b) {
  for (const TPoint& p : LinePixels(a, b)) shape.push_back({p.x, p.y, p.x + 1, p.y + 1});
}

void AddOutline(std::vector<TRect>& shape, int l, int t, int r, int b) {
  if (r - l <= 0 || b - t <= 0) return;
  shape.push_back({l, t, r, t + 1});
  shape.push_back({l, b - 1, r, b});
  shape.push_back({l, t, l + 1, b});
  shape.push_back({r - 1, t, r, b});
}

}  // namespace

std::vector<TPoint> LinePixels(TPoint a, TPoint b) {
  std::vector<TPoint> pixels;
  const int dx = std::abs(b.x - a.x), dy = std::abs(b.y - a.y);
  const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
  int err = dx - dy;
  TPoint p = a;
  while (p != b) {
    pixels.push_back(p);
    const int e2 = 2 * err;
    if (e2 > -dy) {
      err -= dy;
      p.x += sx;
    }
    if (e2 < dx) {
      err += dx;
      p.y += sy;
    }
  }
  return pixels;
}

std::vector<TRect> ArrowMarkShape(const TRect& r, int direction) {
  std::vector<TRect> shape;
  const int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
  for (int i = 0; i < 4; ++i) {
    switch (direction) {
      case adLeft:  // tip in the first column
        shape.push_back({cx - 2 + i, cy - i, cx - 1 + i, cy + i + 1});
        break;
      case adRight:
        shape.push_back({cx - 2 + i, cy - (3 - i), cx - 1 + i, cy + (3 - i) + 1});
        break;
      case adUp:  // tip in the first row
        shape.push_back({cx - i, cy - 2 + i, cx + i + 1, cy - 1 + i});
        break;
      case adDown:
        shape.push_back({cx - (3 - i), cy - 2 + i, cx + (3 - i) + 1, cy - 1 + i});
        break;
      default:
        return shape;
    }
  }
  return shape;
}

std::vector<TRect> DownTriangleShape(const TRect& r) {
  const int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
  return {{cx - 2, cy - 1, cx + 3, cy}, {cx - 1, cy, cx + 2, cy + 1}, {cx, cy + 1, cx + 1, cy + 2}};
}

std::vector<TRect> GlyphShape(TskGlyphKind kind, int x, int y) {
  std::vector<TRect> s;
  switch (kind) {
    case gkCheckMark:
      for (int i = 0; i < 3; ++i) {
        // One stroke: the corner point is the start of the second line, so
        // only the stroke's far end is left out.
        AddLine(s, {x, y + 5 - i}, {x + 2, y + 7 - i});
        AddLine(s, {x + 2, y + 7 - i}, {x + 7, y + 2 - i});
      }
      break;
    case gkSmallSquare:
      s.push_back({x, y, x + 6, y + 6});
      break;
    case gkClose:
      AddLine(s, {x + 1, y + 1}, {x + 9, y + 9});
      AddLine(s, {x + 9, y + 1}, {x + 1, y + 9});
      AddLine(s, {x + 2, y + 1}, {x + 10, y + 9});
      AddLine(s, {x + 8, y + 1}, {x, y + 9});
      break;
    case gkMinimize:
      AddLine(s, {x + 1, y + 8}, {x + 9, y + 8});
      AddLine(s, {x + 1, y + 9}, {x + 9, y + 9});
      break;
    case gkMaximize:
      AddOutline(s, x, y, x + 11, y + 10);
      AddOutline(s, x, y, x + 11, y + 2);
      break;
    case gkRestore:
      AddOutline(s, x + 2, y, x + 10, y + 6);
      AddOutline(s, x + 2, y, x + 10, y + 2);
      AddOutline(s, x, y + 4, x + 7, y + 10);
      AddOutline(s, x, y + 4, x + 7, y + 6);
      break;
    case gkFlatBar:
      AddOutline(s, x + 1, y + 3, x + 9, y + 6);
      break;
    case gkWideDownTriangle:
      for (int i = 0; i < 5; ++i) AddLine(s, {x + 5 - i, y + 6 - i}, {x + 5 + i, y + 6 - i});
      break;
    case gkFilledBox:
      s.push_back({x + 2, y + 2, x + 7, y + 7});
      break;
  }
  return s;
}

void DrawShape(QPainter& canvas, const std::vector<TRect>& shape, TColor colour) {
  const QColor c = ToQColor(colour);
  for (const TRect& r : shape) canvas.fillRect(ToQRect(r), c);
}

void DrawArrowMark(QPainter& canvas, const TRect& r, TColor colour, int direction) {
  DrawShape(canvas, ArrowMarkShape(r, direction), colour);
}

void DrawDownTriangle(QPainter& canvas, const TRect& r, TColor colour) {
  DrawShape(canvas, DownTriangleShape(r), colour);
}

void DrawGlyph(QPainter& canvas, TskGlyphKind kind, int x, int y, TColor colour) {
  DrawShape(canvas, GlyphShape(kind, x, y), colour);
}

}  // namespace lumora
