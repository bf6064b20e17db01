#include "skin/draw/mask_region.h"

#include <QRect>
#include <cstring>

namespace lumora {

namespace {

template <int Bpp>
inline bool IsBlack(const uchar* p) {
  if constexpr (Bpp == 4) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return (v & 0x00FFFFFFu) == 0;
  } else {
    return (p[0] | p[1] | p[2]) == 0;
  }
}

template <int Bpp>
void ScanRuns(const QImage& mask, int ox, int oy, std::vector<TRect>& runs) {
  const int w = mask.width();
  for (int y = 0; y < mask.height(); ++y) {
    const uchar* row = mask.constScanLine(y);
    int x = 0;
    while (x < w) {
      while (x < w && !IsBlack<Bpp>(row + x * Bpp)) ++x;
      if (x == w) break;
      const int start = x;
      while (x < w && IsBlack<Bpp>(row + x * Bpp)) ++x;
      runs.push_back({start + ox, y + oy, x + ox, y + oy + 1});
    }
  }
}

// Rows with identical runs are merged into one band, which keeps the region
// small and gives QRegion the banded y-x order it requires.
QRegion RegionFromRuns(const std::vector<TRect>& runs) {
  std::vector<QRect> rects;
  rects.reserve(runs.size());
  size_t bandStart = 0;  // first rectangle of the previous band in rects
  size_t i = 0;
  while (i < runs.size()) {
    size_t end = i;
    while (end < runs.size() && runs[end].Top == runs[i].Top) ++end;
    const size_t count = end - i;
    const size_t bandCount = rects.size() - bandStart;
    bool merged = false;
    if (bandCount == count && count > 0 && rects[bandStart].bottom() + 1 == runs[i].Top) {
      merged = true;
      for (size_t j = 0; j < count && merged; ++j) {
        const QRect& r = rects[bandStart + j];
        merged = r.left() == runs[i + j].Left && r.left() + r.width() == runs[i + j].Right;
      }
    }
    if (merged) {
      for (size_t j = 0; j < count; ++j) rects[bandStart + j].setBottom(runs[i].Top);
    } else {
      bandStart = rects.size();
      for (size_t j = i; j < end; ++j) {
        rects.emplace_back(runs[j].Left, runs[j].Top, runs[j].Width(), 1);
      }
    }
    i = end;
  }
  QRegion region;
  if (!rects.empty()) region.setRects(rects.data(), static_cast<int>(rects.size()));
  return region;
}

}  // namespace

std::vector<TRect> MaskRuns(const QImage& mask, int offsetX, int offsetY) {
  std::vector<TRect> runs;
  if (mask.isNull()) return runs;
  switch (mask.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
      ScanRuns<4>(mask, offsetX, offsetY, runs);
      break;
    case QImage::Format_RGB888:
    case QImage::Format_BGR888:
      ScanRuns<3>(mask, offsetX, offsetY, runs);
      break;
    default:
      ScanRuns<3>(mask.convertToFormat(QImage::Format_BGR888), offsetX, offsetY, runs);
      break;
  }
  return runs;
}

std::optional<QRegion> RegionFromMaskBitmap(const QImage& mask, int offsetX, int offsetY) {
  if (mask.isNull() || mask.width() <= 0 || mask.height() <= 0) return std::nullopt;
  return RegionFromRuns(MaskRuns(mask, offsetX, offsetY));
}

std::optional<QRegion> RegionFromNinePartMask(const QImage& mask, const TskNinePartSource& source,
                                              const TskNinePartTarget& target) {
  if (target.rb.x < target.lb.x || target.rb.y < target.rt.y) return std::nullopt;
  const TskFrameBorderImages strips =
      BuildTiledFrameBorderImages(mask, source, target.width, target.height);
  const TRect& dc = target.client;
  std::optional<QRegion> result;
  if (!dc.IsEmpty()) result = QRegion(dc.Left, dc.Top, dc.Width(), dc.Height());
  auto unite = [&](const QImage& strip, int x, int y) {
    const std::optional<QRegion> part = RegionFromMaskBitmap(strip, x, y);
    if (!part) return;
    result = result ? result->united(*part) : *part;
  };
  unite(strips.top, 0, 0);
  unite(strips.bottom, 0, dc.Bottom);
  unite(strips.left, 0, dc.Top);
  unite(strips.right, dc.Right, dc.Top);
  return result;
}

}  // namespace lumora
