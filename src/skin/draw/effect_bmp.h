#pragma once
// TskEffectBmp: a 24-bit working copy of a picture on which the skin engine
// computes morph transitions (blending one look into the next) and the
// effects that derive an inactive frame from the active one.
//
// Channel values are computed in extended precision (long double) from the
// double parameters, rounded to the nearest integer with halves going to the
// even neighbour, and clamped to 0..255. Effects that take a second bitmap do
// nothing when its size differs.

#include <QImage>
#include <QPainter>
#include <array>
#include <cstdint>

#include "skin/data/skin_types.h"

namespace lumora {

class TskEffectBmp {
 public:
  TskEffectBmp() = default;
  // Copies the picture in, converted to 24 bits (bytes blue, green, red).
  explicit TskEffectBmp(const QImage& picture);

  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  // Bytes per row, 3 x Width + Width mod 4; Size is RowLength x Height.
  int RowLength() const { return static_cast<int>(image_.bytesPerLine()); }
  qsizetype Size() const { return image_.sizeInBytes(); }

  // Row y out of or into a buffer of 3 x Width bytes; rows outside
  // 0..Height-1 are ignored. RowAddress gives nullptr for them.
  void CopyRowOut(int y, uint8_t* buffer) const;
  void CopyRowIn(int y, const uint8_t* buffer);
  uint8_t* RowAddress(int y);

  // Copies the whole bitmap unchanged to (x, y).
  void Draw(QPainter& canvas, int x, int y) const;
  // The pixels (Format_BGR888).
  const QImage& Image() const { return image_; }

  // Morphs towards other at progress k (0 = self, 1 = other).
  void Blend(const TskEffectBmp& other, double k);
  void CentreGradient(const TskEffectBmp& other, double k);
  void LeftGradient(const TskEffectBmp& other, double k);
  void RightGradient(const TskEffectBmp& other, double k);
  void LeftSlide(const TskEffectBmp& other, double k);
  void RightSlide(const TskEffectBmp& other, double k);
  void Push(const TskEffectBmp& other, double k);
  // The morph of a skin's "morphkind"; an unknown kind blends.
  void Morph(TskMorphKind kind, const TskEffectBmp& other, double k);

  // Inactive-frame effects, in place.
  void Brightness(double k);
  void Darkness(double k);
  void Grayscale();
  void Noise(int amount);
  void SplitBlur(int amount);
  void Invert();
  // The effect of a skin's "inactiveeffect" with the engine's amounts
  // (brightness 0.5, darkness 0.3, noise 50, split blur 1).
  void ApplyInactiveEffect(TskInactiveEffect effect);

 private:
  bool SameSize(const TskEffectBmp& other) const;
  // Replaces every channel value v by table[v]; effects that depend on the
  // value alone compute their 256 results once.
  void MapChannels(const std::array<uint8_t, 256>& table);

  QImage image_;
};

}  // namespace lumora
