#include "skin/draw/image_plan.h"

#include <algorithm>
#include <cstring>

namespace lumora {

namespace {

// Nearest source index for destination index i when s source pixels cover d
// destination pixels: the source pixel under the centre of destination pixel i.
inline int MapIndex(int i, int s, int d) {
  return static_cast<int>((2 * static_cast<int64_t>(i) + 1) * s / (2 * static_cast<int64_t>(d)));
}

void PaintPiece(const QImage& src, const TskImagePiece& p, QImage& dst, int bpp, uchar* dstBits,
                qsizetype dstStride) {
  const TRect& s = p.src;
  const TRect& d = p.dst;
  if (s.IsEmpty() || d.IsEmpty()) return;
  const int sw = s.Width(), sh = s.Height(), dw = d.Width(), dh = d.Height();
  const int x0 = std::max(0, -d.Left), x1 = std::min(dw, dst.width() - d.Left);
  const int y0 = std::max(0, -d.Top), y1 = std::min(dh, dst.height() - d.Top);
  if (x0 >= x1 || y0 >= y1) return;
  const uchar* srcBits = src.constBits();
  const qsizetype srcStride = src.bytesPerLine();

  auto sourceRow = [&](int i) -> int {
    const int sy = s.Top + MapIndex(i, sh, dh);
    return sy >= 0 && sy < src.height() ? sy : -1;
  };

  if (sw == dw) {
    // No horizontal scaling: every row is one contiguous run.
    const int c0 = std::max(x0, -s.Left), c1 = std::min(x1, src.width() - s.Left);
    if (c0 >= c1) return;
    const size_t bytes = static_cast<size_t>(c1 - c0) * bpp;
    for (int i = y0; i < y1; ++i) {
      const int sy = sourceRow(i);
      if (sy < 0) continue;
      std::memcpy(dstBits + (d.Top + i) * dstStride + static_cast<qsizetype>(d.Left + c0) * bpp,
                  srcBits + sy * srcStride + static_cast<qsizetype>(s.Left + c0) * bpp, bytes);
    }
    return;
  }

  std::vector<int> columns(x1 - x0);
  bool allColumns = true;
  for (int i = x0; i < x1; ++i) {
    const int sx = s.Left + MapIndex(i, sw, dw);
    const bool inside = sx >= 0 && sx < src.width();
    columns[i - x0] = inside ? sx * bpp : -1;
    allColumns = allColumns && inside;
  }
  const size_t rowBytes = static_cast<size_t>(x1 - x0) * bpp;
  int lastRow = -1;
  uchar* lastOut = nullptr;
  for (int i = y0; i < y1; ++i) {
    const int sy = sourceRow(i);
    if (sy < 0) continue;
    uchar* out = dstBits + (d.Top + i) * dstStride + static_cast<qsizetype>(d.Left + x0) * bpp;
    if (allColumns && sy == lastRow) {
      // Enlarging vertically repeats rows; copying the finished row is cheaper.
      std::memcpy(out, lastOut, rowBytes);
      continue;
    }
    const uchar* in = srcBits + sy * srcStride;
    if (bpp == 4) {
      for (size_t c = 0; c < columns.size(); ++c) {
        if (columns[c] >= 0) std::memcpy(out + c * 4, in + columns[c], 4);
      }
    } else {
      for (size_t c = 0; c < columns.size(); ++c) {
        if (columns[c] >= 0) std::memcpy(out + c * 3, in + columns[c], 3);
      }
    }
    lastRow = sy;
    lastOut = out;
  }
}

}  // namespace

QImage::Format WorkingFormat(QImage::Format f) {
  switch (f) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGB888:
    case QImage::Format_BGR888:
      return f;
    default:
      return QImage::toPixelFormat(f).alphaUsage() == QPixelFormat::UsesAlpha
                 ? QImage::Format_ARGB32_Premultiplied
                 : QImage::Format_RGB32;
  }
}

QImage NewImageFor(const QImage& source, int width, int height) {
  if (width <= 0 || height <= 0) return QImage();
  QImage image(width, height, WorkingFormat(source.format()));
  image.fill(0);
  return image;
}

void PaintImagePlan(const QImage& source, const TskImagePlan& plan, QImage& dest) {
  if (source.isNull() || dest.isNull() || plan.empty()) return;
  if (WorkingFormat(dest.format()) != dest.format()) {
    dest = dest.convertToFormat(WorkingFormat(dest.format()));
  }
  const QImage src =
      source.format() == dest.format() ? source : source.convertToFormat(dest.format());
  const int bpp = dest.depth() / 8;
  uchar* bits = dest.bits();
  const qsizetype stride = dest.bytesPerLine();
  for (const TskImagePiece& piece : plan) PaintPiece(src, piece, dest, bpp, bits, stride);
}

void AppendTilesHorz(TskImagePlan& plan, const TRect& tile, int dstLeft, int dstRight, int dstTop,
                     int dstBottom) {
  const int w = tile.Width();
  if (w <= 0) return;
  const int count = (dstRight - dstLeft) / w;
  for (int k = 0; k <= count; ++k) {
    const int x = dstLeft + k * w;
    const int cut = std::min(w, dstRight - x);
    if (cut <= 0) continue;
    plan.push_back(
        {{tile.Left, tile.Top, tile.Left + cut, tile.Bottom}, {x, dstTop, x + cut, dstBottom}});
  }
}

void AppendTilesVert(TskImagePlan& plan, const TRect& tile, int dstTop, int dstBottom, int dstLeft,
                     int dstRight) {
  const int h = tile.Height();
  if (h <= 0) return;
  const int count = (dstBottom - dstTop) / h;
  for (int k = 0; k <= count; ++k) {
    const int y = dstTop + k * h;
    const int cut = std::min(h, dstBottom - y);
    if (cut <= 0) continue;
    plan.push_back(
        {{tile.Left, tile.Top, tile.Right, tile.Top + cut}, {dstLeft, y, dstRight, y + cut}});
  }
}

void AppendTiles(TskImagePlan& plan, const TRect& tile, const TRect& area) {
  if (tile.IsEmpty() || area.IsEmpty()) return;
  for (int y = area.Top; y < area.Bottom; y += tile.Height()) {
    const int cutH = std::min(tile.Height(), area.Bottom - y);
    AppendTilesHorz(plan, {tile.Left, tile.Top, tile.Right, tile.Top + cutH}, area.Left, area.Right,
                    y, y + cutH);
  }
}

}  // namespace lumora
