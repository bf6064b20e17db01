#pragma once
// Plain fills and one-pixel outlines in skin colours, for the default looks
// of menus and hints.

#include <QPainter>

#include "base/geometry.h"

namespace lumora {

// System colour indices of the default looks besides those of colour.h.
constexpr int kSysWindow = 5;
constexpr int kSysWindowText = 8;
constexpr int kSysInfoText = 23;
constexpr int kSysInfoBack = 24;

// Nothing for an empty rectangle.
void FillSkinRect(QPainter& canvas, const TRect& r, TColor colour);
// The outermost pixels of r.
void OutlineSkinRect(QPainter& canvas, const TRect& r, TColor colour);

}  // namespace lumora
