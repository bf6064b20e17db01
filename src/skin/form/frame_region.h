#pragma once
// The shape of a skinned window: the four mask strips cut from the skin's
// mask picture for one window size and the window region they give. The
// strips also answer whether a point lies inside the shape, for the
// hit-test's edge probes.

#include <QImage>
#include <QRegion>

#include "base/geometry.h"
#include "skin/data/skin_window_data.h"
#include "skin/form/frame_geometry.h"

namespace lumora {

class TskFrameMask {
 public:
  TskFrameMask() = default;
  // Cuts the strips of a window with geometry g from the mask picture; a
  // null mask gives an empty (rectangular) shape.
  TskFrameMask(const QImage& mask, const TskFormInfo& info, const TskFrameGeometry& g);

  bool HasMask() const { return has_mask_; }
  // Inside the mask area, or on a black pixel of a strip.
  bool Inside(TPoint p) const;
  // The union of the mask area and the black pixels of the strips; the whole
  // window without a mask.
  QRegion Region() const;

  const QImage& Top() const { return top_; }
  const QImage& Bottom() const { return bottom_; }
  const QImage& Left() const { return left_; }
  const QImage& Right() const { return right_; }

 private:
  bool has_mask_ = false;
  int width_ = 0, height_ = 0;
  TRect mask_area_;
  QImage top_, bottom_, left_, right_;
};

// The rectangle (0, 0, width, height) as a region.
QRegion RectangularRegion(int width, int height);

}  // namespace lumora
