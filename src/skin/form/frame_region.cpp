#include "skin/form/frame_region.h"

#include "skin/draw/mask_region.h"
#include "skin/draw/nine_part.h"

namespace lumora {

namespace {

bool BlackAt(const QImage& strip, int x, int y) {
  if (strip.isNull() || x < 0 || y < 0 || x >= strip.width() || y >= strip.height()) return false;
  return (strip.pixel(x, y) & 0x00FFFFFFu) == 0;
}

void Unite(QRegion& region, const QImage& strip, int x, int y) {
  if (auto part = RegionFromMaskBitmap(strip, x, y)) region += *part;
}

}  // namespace

TskFrameMask::TskFrameMask(const QImage& mask, const TskFormInfo& info, const TskFrameGeometry& g)
    : width_(g.width), height_(g.height), mask_area_(g.maskArea) {
  if (mask.isNull()) return;
  has_mask_ = true;
  // The mask picture is cut like the frame, around the mask area instead of
  // the client rectangle, and always tiled.
  const TskNinePartSource source{{0, 0, mask.width(), mask.height()},
                                 info.LTPoint,
                                 info.RTPoint,
                                 info.LBPoint,
                                 info.RBPoint,
                                 info.MaskRectArea};
  TskFrameBorderImages strips = BuildTiledFrameBorderImages(mask, source, g.width, g.height);
  top_ = std::move(strips.top);
  bottom_ = std::move(strips.bottom);
  left_ = std::move(strips.left);
  right_ = std::move(strips.right);
}

bool TskFrameMask::Inside(TPoint p) const {
  if (!has_mask_) return p.x >= 0 && p.y >= 0 && p.x < width_ && p.y < height_;
  const TRect& a = mask_area_;
  if (a.Contains(p)) return true;
  return BlackAt(top_, p.x, p.y) || BlackAt(bottom_, p.x, p.y - a.Bottom) ||
         BlackAt(left_, p.x, p.y - a.Top) || BlackAt(right_, p.x - a.Right, p.y - a.Top);
}

QRegion TskFrameMask::Region() const {
  if (!has_mask_) return RectangularRegion(width_, height_);
  const TRect& a = mask_area_;
  QRegion region;
  if (!a.IsEmpty()) region = QRegion(a.Left, a.Top, a.Width(), a.Height());
  Unite(region, top_, 0, 0);
  Unite(region, bottom_, 0, a.Bottom);
  Unite(region, left_, 0, a.Top);
  Unite(region, right_, a.Right, a.Top);
  return region;
}

QRegion RectangularRegion(int width, int height) {
  if (width <= 0 || height <= 0) return QRegion();
  return QRegion(0, 0, width, height);
}

}  // namespace lumora
