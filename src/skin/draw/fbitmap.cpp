#include "skin/draw/fbitmap.h"

namespace lumora {

TskFBitmap::TskFBitmap(const QImage& picture)
    : image_(picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_BGR888)) {}

uint8_t* TskFBitmap::Row(int y) {
  if (y < 0 || y >= image_.height()) return nullptr;
  return image_.scanLine(y);
}

const uint8_t* TskFBitmap::Row(int y) const {
  if (y < 0 || y >= image_.height()) return nullptr;
  return image_.constScanLine(y);
}

}  // namespace lumora
