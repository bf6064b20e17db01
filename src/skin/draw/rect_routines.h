#pragma once
// Small rectangle and point tests of the skin engine, and the one place where
// skin rectangles (right and bottom exclusive) meet Qt's QRect.

#include <QRect>

#include "base/geometry.h"

namespace lumora {

constexpr int32_t RectWidth(const TRect& r) {
  return r.Right - r.Left;
}
constexpr int32_t RectHeight(const TRect& r) {
  return r.Bottom - r.Top;
}
// Width or height not positive.
constexpr bool IsNullRect(const TRect& r) {
  return RectWidth(r) <= 0 || RectHeight(r) <= 0;
}
// A point with either coordinate 0 counts as unset in skin data.
constexpr bool IsNullPoint(const TPoint& p) {
  return p.x == 0 || p.y == 0;
}
// Both edges inclusive: (Right, Bottom) lies inside.
constexpr bool PointInRectInclusive(const TPoint& p, const TRect& r) {
  return p.x >= r.Left && p.x <= r.Right && p.y >= r.Top && p.y <= r.Bottom;
}
constexpr bool RectEquals(const TRect& a, const TRect& b) {
  return a == b;
}

// Conversions at the drawing boundary; an empty TRect gives an empty QRect.
QRect ToQRect(const TRect& r);
TRect FromQRect(const QRect& r);

}  // namespace lumora
