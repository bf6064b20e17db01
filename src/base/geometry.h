#pragma once
// Plain geometry and colour values shared by the skin engine: rectangles with
// right and bottom exclusive, points, and 0x00BBGGRR colours.

#include <cstdint>

namespace lumora {

struct TPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;   // exclusive
  int32_t Bottom = 0;  // exclusive

  constexpr int32_t Width() const { return Right - Left; }
  constexpr int32_t Height() const { return Bottom - Top; }
  // An empty rectangle switches off the skin look that uses it.
  constexpr bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }
  constexpr bool Contains(TPoint p) const {
    return p.x >= Left && p.x < Right && p.y >= Top && p.y < Bottom;
  }
  constexpr TRect Offset(int32_t dx, int32_t dy) const {
    return {Left + dx, Top + dy, Right + dx, Bottom + dy};
  }
  friend bool operator==(const TRect&, const TRect&) = default;
};

constexpr TRect Bounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  return {left, top, left + width, top + height};
}

// 0x00BBGGRR; a top byte of 0xFF names the system colour in the low byte.
using TColor = uint32_t;

constexpr TColor RGBColor(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}
constexpr uint8_t RedOf(TColor c) {
  return c & 0xFF;
}
constexpr uint8_t GreenOf(TColor c) {
  return (c >> 8) & 0xFF;
}
constexpr uint8_t BlueOf(TColor c) {
  return (c >> 16) & 0xFF;
}
constexpr bool IsSystemColor(TColor c) {
  return (c >> 24) == 0xFF;
}
constexpr int SystemColorIndex(TColor c) {
  return c & 0xFF;
}

}  // namespace lumora
