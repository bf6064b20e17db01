#pragma once
// Pictures drawn with a transparent colour: every pixel of that colour
// becomes fully transparent.

#include <QImage>

#include "base/geometry.h"

namespace lumora {

// A premultiplied ARGB copy of image with the pixels of key cleared.
QImage WithoutColour(const QImage& image, TColor key);

}  // namespace lumora
