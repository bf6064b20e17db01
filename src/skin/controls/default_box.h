#pragma once
// The plain boxes of the unskinned looks (scroll bar arrows and thumb, the
// edit button): a one-pixel frame around a fill, in three states.

#include <QPainter>

#include "base/geometry.h"

namespace lumora {

enum TskBoxLook { bxNormal, bxHot, bxPressed };

// Normal: shadow frame on the face colour; hot and pressed: a navy frame
// on a light or a darker blue-grey. Nothing for an empty rectangle.
void DrawDefaultBox(QPainter& canvas, const TRect& r, TskBoxLook look);
// The outermost pixels of r.
void DrawOutline(QPainter& canvas, const TRect& r, TColor colour);

}  // namespace lumora
