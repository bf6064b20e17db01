#include "skin/draw/effect_bmp.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <random>
#include <vector>

namespace lumora {

namespace {

using Ext = long double;

// Nearest integer, halves to the even neighbour, then clamped to 0..255.
inline uint8_t RoundClamp(Ext v) {
  if (!(v > 0)) return 0;  // also catches NaN
  if (v >= 255) return 255;
  int i = static_cast<int>(v);
  const Ext frac = v - i;
  if (frac > 0.5L || (frac == 0.5L && (i & 1))) ++i;
  return static_cast<uint8_t>(i);
}

// round(v) for positions and widths: halves to even, kept in int range.
inline int RoundInt(Ext v) {
  if (!(v > -1e9L)) return -1000000000;
  if (v > 1e9L) return 1000000000;
  Ext r = v - static_cast<Ext>(static_cast<int64_t>(v));  // fraction, sign of v
  int64_t i = static_cast<int64_t>(v);
  if (r > 0.5L || (r == 0.5L && (i & 1))) ++i;
  if (r < -0.5L || (r == -0.5L && (i & 1))) --i;
  return static_cast<int>(i);
}

inline Ext Clamp01(double k) {
  const Ext e = k;
  if (!(e > 0)) return 0;
  return e > 1 ? 1 : e;
}

// w x self + (1 - w) x other, for one pixel's three channels.
inline void MixPixel(uint8_t* out, const uint8_t* self, const uint8_t* other, Ext w) {
  const Ext v = 1 - w;
  for (int c = 0; c < 3; ++c) out[c] = RoundClamp(w * self[c] + v * other[c]);
}

inline void CopyPixel(uint8_t* out, const uint8_t* from) {
  std::memcpy(out, from, 3);
}

}  // namespace

TskEffectBmp::TskEffectBmp(const QImage& picture)
    : image_(picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_BGR888)) {}

void TskEffectBmp::CopyRowOut(int y, uint8_t* buffer) const {
  if (y < 0 || y >= Height()) return;
  std::memcpy(buffer, image_.constScanLine(y), static_cast<size_t>(Width()) * 3);
}

void TskEffectBmp::CopyRowIn(int y, const uint8_t* buffer) {
  if (y < 0 || y >= Height()) return;
  std::memcpy(image_.scanLine(y), buffer, static_cast<size_t>(Width()) * 3);
}

uint8_t* TskEffectBmp::RowAddress(int y) {
  if (y < 0 || y >= Height()) return nullptr;
  return image_.scanLine(y);
}

void TskEffectBmp::Draw(QPainter& canvas, int x, int y) const {
  if (!image_.isNull()) canvas.drawImage(QPoint(x, y), image_);
}

bool TskEffectBmp::SameSize(const TskEffectBmp& other) const {
  return !image_.isNull() && Width() == other.Width() && Height() == other.Height();
}

void TskEffectBmp::Blend(const TskEffectBmp& other, double k) {
  if (!SameSize(other)) return;
  const Ext e = Clamp01(k);
  const Ext keep = 1 - e;
  const size_t n = static_cast<size_t>(Width()) * 3;
  for (int y = 0; y < Height(); ++y) {
    uint8_t* row = image_.scanLine(y);
    const uint8_t* o = other.image_.constScanLine(y);
    for (size_t i = 0; i < n; ++i) row[i] = RoundClamp(keep * row[i] + e * o[i]);
  }
}

void TskEffectBmp::CentreGradient(const TskEffectBmp& other, double k) {
  if (!SameSize(other)) return;
  const int w = Width(), h = Height();
  const bool horizontal = w >= h;
  const int length = horizontal ? w : h;
  const int band = std::clamp(RoundInt(static_cast<Ext>(length) * k), 0, length);
  const int side = (length - band) / 2;
  const Ext step = side != 0 ? 1.0L / side : 1.0L;
  const int middle = length / 2;
  const int from = std::max(middle - band / 2, 0);
  const int to = std::min(middle + band / 2, length - 1);
  // Weight of self at each column (or row): other inside the band, fading
  // back to self towards both ends.
  std::vector<Ext> weight(length, 0);
  Ext wgt = 0;
  for (int i = from; i >= 0; --i) {
    weight[i] = wgt;
    wgt = std::min<Ext>(wgt + step, 1);
  }
  wgt = 0;
  for (int i = to; i < length; ++i) {
    weight[i] = wgt;
    wgt = std::min<Ext>(wgt + step, 1);
  }
  for (int y = 0; y < h; ++y) {
    uint8_t* row = image_.scanLine(y);
    const uint8_t* o = other.image_.constScanLine(y);
    for (int x = 0; x < w; ++x) {
      const int i = horizontal ? x : y;
      if (i > from && i < to) {
        CopyPixel(row + 3 * x, o + 3 * x);
      } else {
        MixPixel(row + 3 * x, row + 3 * x, o + 3 * x, weight[i]);
      }
    }
  }
}

void TskEffectBmp::LeftGradient(const TskEffectBmp& other, double k) {
  if (!SameSize(other)) return;
  const int w = Width();
  int a = RoundInt(static_cast<Ext>(w) * k);
  if (a <= 0) a = 1;
  if (a > w - 1) a = w - 1;
  const Ext step = a > 0 ? 1.0L / a : 1.0L;
  for (int y = 0; y < Height(); ++y) {
    uint8_t* row = image_.scanLine(y);
    const uint8_t* o = other.image_.constScanLine(y);
    Ext wgt = 0;
    for (int x = 0; x <= a; ++x) {
      MixPixel(row + 3 * x, row + 3 * x, o + 3 * x, wgt);
      wgt = std::min<Ext>(wgt + step, 1);
    }
  }
}

void TskEffectBmp::RightGradient(const TskEffectBmp& other, double k) {
  if (!SameSize(other)) return;
  const int w = Width();
  const int a = std::clamp(w - RoundInt(static_cast<Ext>(w) * k), 0, w - 1);
  const Ext step = w - a > 0 ? 1.0L / (w - a) : 1.0L;
  for (int y = 0; y < Height(); ++y) {
    uint8_t* row = image_.scanLine(y);
    const uint8_t* o = other.image_.constScanLine(y);
    Ext wgt = 0;
    for (int x = w - 1; x >= a; --x) {
      MixPixel(row + 3 * x, row + 3 * x, o + 3 * x, wgt);
      wgt = std::min<Ext>(wgt + step, 1);
    }
  }
}

void TskEffectBmp::LeftSlide(const TskEffectBmp& other, double k) {
  if (!SameSize(other)) return;
  const int w = Width();
  int b = RoundInt(static_cast<Ext>(w) * k);
  if (b <= 0) b = 1;
  if (b > w - 1) b = w - 1;
  if (b <= 0) return;
  for (int y = 0; y < Height(); ++y) {
    std::memcpy(image_.scanLine(y), other.image_.constScanLine(y) + 3 * (w - b),
                static_cast<size_t>(b) * 3);
  }
}

void TskEffectBmp::RightSlide(const TskEffectBmp& other, double k) {
  if (!SameSize(other)) return;
  const int w = Width();
  int b = RoundInt(static_cast<Ext>(w) * k);
  if (b <= 0) b = 1;
  if (b > w - 1) b = w - 1;
  if (b <= 0) return;
  for (int y = 0; y < Height(); ++y) {
    std::memcpy(image_.scanLine(y) + 3 * (w - b), other.image_.constScanLine(y),
                static_cast<size_t>(b) * 3);
  }
}

void TskEffectBmp::Push(const TskEffectBmp& other, double k) {
  if (!SameSize(other)) return;
  const int w = Width();
  const int a = std::clamp(RoundInt(static_cast<Ext>(w) * k), 0, w - 1);
  std::vector<uint8_t> self(static_cast<size_t>(w) * 3);
  for (int y = 0; y < Height(); ++y) {
    uint8_t* row = image_.scanLine(y);
    const uint8_t* o = other.image_.constScanLine(y);
    std::memcpy(self.data(), row, self.size());
    // Self moves right by a + 1 columns; other's right part fills the gap.
    for (int j = a + 1; j < w; ++j) CopyPixel(row + 3 * j, self.data() + 3 * (j - a - 1));
    for (int j = 0; j <= a; ++j) CopyPixel(row + 3 * j, o + 3 * std::min(w - a - 1 + j, w - 1));
  }
}

void TskEffectBmp::Morph(TskMorphKind kind, const TskEffectBmp& other, double k) {
  switch (kind) {
    case mkGradient:
      CentreGradient(other, k);
      break;
    case mkLeftGradient:
      LeftGradient(other, k);
      break;
    case mkRightGradient:
      RightGradient(other, k);
      break;
    case mkLeftSlide:
      LeftSlide(other, k);
      break;
    case mkRightSlide:
      RightSlide(other, k);
      break;
    case mkPush:
      Push(other, k);
      break;
    default:
      Blend(other, k);
      break;
  }
}

void TskEffectBmp::Brightness(double k) {
  const Ext e = Clamp01(k);
  const Ext keep = 1 - e;
  const Ext add = 255 * e;
  std::array<uint8_t, 256> table;
  for (int v = 0; v < 256; ++v) table[v] = RoundClamp(keep * v + add);
  MapChannels(table);
}

void TskEffectBmp::Darkness(double k) {
  const Ext keep = 1 - Clamp01(k);
  std::array<uint8_t, 256> table;
  for (int v = 0; v < 256; ++v) table[v] = RoundClamp(keep * v);
  MapChannels(table);
}

void TskEffectBmp::MapChannels(const std::array<uint8_t, 256>& table) {
  const size_t n = static_cast<size_t>(Width()) * 3;
  for (int y = 0; y < Height(); ++y) {
    uint8_t* row = image_.scanLine(y);
    for (size_t i = 0; i < n; ++i) row[i] = table[row[i]];
  }
}

void TskEffectBmp::Grayscale() {
  for (int y = 0; y < Height(); ++y) {
    uint8_t* p = image_.scanLine(y);
    for (int x = 0; x < Width(); ++x, p += 3) {
      // Bytes are blue, green, red.
      const uint8_t g = RoundClamp(0.3L * p[2] + 0.59L * p[1] + 0.11L * p[0]);
      p[0] = p[1] = p[2] = g;
    }
  }
}

void TskEffectBmp::Noise(int amount) {
  if (amount <= 0) return;
  static thread_local std::minstd_rand generator{std::random_device{}()};
  std::uniform_int_distribution<int> draw(0, amount - 1);
  for (int y = 0; y < Height(); ++y) {
    uint8_t* p = image_.scanLine(y);
    for (int x = 0; x < Width(); ++x, p += 3) {
      const int d = draw(generator) - amount / 2;
      for (int c = 0; c < 3; ++c) p[c] = static_cast<uint8_t>(std::clamp(p[c] + d, 0, 255));
    }
  }
}

void TskEffectBmp::SplitBlur(int amount) {
  if (amount <= 0) return;
  const int w = Width(), h = Height();
  // The mirrored fallbacks (h - y, w - x) can fall outside a small bitmap or
  // a large amount; they are kept inside it.
  auto rowBelow = [&](int y) { return y + amount < h ? y + amount : std::min(h - y, h - 1); };
  auto rowAbove = [&](int y) { return y - amount < 0 ? y : y - amount; };
  std::vector<int> left(w), right(w);
  for (int x = 0; x < w; ++x) {
    left[x] = x - amount < 0 ? x : x - amount;
    right[x] = x + amount < w ? x + amount : std::min(w - x, w - 1);
  }
  const size_t n = static_cast<size_t>(w) * 3;
  std::vector<uint8_t> above(n), below(n), out(n);
  // Rows are blurred from the top in place, so rows above are sampled
  // already blurred; the row itself is sampled as it was.
  for (int y = 0; y < h; ++y) {
    std::memcpy(above.data(), image_.constScanLine(rowAbove(y)), n);
    std::memcpy(below.data(), image_.constScanLine(rowBelow(y)), n);
    for (int x = 0; x < w; ++x) {
      const int l = 3 * left[x], r = 3 * right[x];
      for (int c = 0; c < 3; ++c) {
        out[3 * x + c] =
            static_cast<uint8_t>((above[l + c] + below[l + c] + above[r + c] + below[r + c]) / 4);
      }
    }
    std::memcpy(image_.scanLine(y), out.data(), n);
  }
}

void TskEffectBmp::Invert() {
  const size_t n = static_cast<size_t>(Width()) * 3;
  for (int y = 0; y < Height(); ++y) {
    uint8_t* row = image_.scanLine(y);
    for (size_t i = 0; i < n; ++i) row[i] = static_cast<uint8_t>(255 - row[i]);
  }
}

void TskEffectBmp::ApplyInactiveEffect(TskInactiveEffect effect) {
  switch (effect) {
    case ieBrightness:
      Brightness(0.5);
      break;
    case ieDarkness:
      Darkness(0.3);
      break;
    case ieGrayscale:
      Grayscale();
      break;
    case ieNoise:
      Noise(50);
      break;
    case ieSplitBlur:
      SplitBlur(1);
      break;
    case ieInvert:
      Invert();
      break;
  }
}

}  // namespace lumora
