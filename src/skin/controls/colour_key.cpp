#include "skin/controls/colour_key.h"

#include "skin/draw/colour.h"

namespace lumora {

QImage WithoutColour(const QImage& image, TColor key) {
  QImage out = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QRgb k = ToQColor(key).rgb() & 0xFFFFFF;
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if ((row[x] & 0xFFFFFF) == k) row[x] = 0;
  }
  return out;
}

}  // namespace lumora
