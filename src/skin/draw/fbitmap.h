#pragma once
// TskFBitmap: a direct-access 24-bit copy of a picture, pixel bytes in the
// order blue, green, red, rows top-down, each row padded to a multiple of 4
// bytes (3 x width + width mod 4). Used where code scans pixels itself.

#include <QImage>
#include <cstdint>

namespace lumora {

class TskFBitmap {
 public:
  TskFBitmap() = default;
  // Copies the picture in, converted to 24 bits.
  explicit TskFBitmap(const QImage& picture);

  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  // Bytes per row, 3 x Width + Width mod 4.
  int RowLength() const { return static_cast<int>(image_.bytesPerLine()); }
  // RowLength x Height.
  qsizetype Size() const { return image_.sizeInBytes(); }
  // Start of row y (0 at the top), or nullptr outside 0..Height-1.
  uint8_t* Row(int y);
  const uint8_t* Row(int y) const;

  // The pixels as an image (Format_BGR888) for painting.
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
};

}  // namespace lumora
