#pragma once
// The named rectangles a skin description places on each picture. Skin
// authors see them outlined on the preview sheet; the art generator paints
// into them and checks that each lies inside its picture.

#include <string>
#include <vector>

#include "base/geometry.h"
#include "skin/data/skin_description.h"

namespace lumora {

// Picture numbers of a named rectangle: the active pictures count from 0.
constexpr int kMainPictureId = -2;
constexpr int kMaskPictureId = -3;

struct SkinNamedRect {
  int Picture = kMainPictureId;  // kMainPictureId or an active picture index
  std::string Section;
  std::string Key;
  TRect Rect;             // in picture pixels
  bool Relative = false;  // a key measured from the section's "skinrect"
};

// Every non-empty rectangle key of the form, popup and hint windows, the
// frame objects and the controls, with relative keys moved into picture
// pixels. Objects without a picture are left out.
std::vector<SkinNamedRect> NamedRectangles(const SkinDescription& description);

}  // namespace lumora
