#pragma once
// The geometry of a hint window, apart from any widget: its size for a text
// (with an optional bold title and image), the moved client rectangle and
// corner points of the skinned look, and its place near a point inside the
// work area.

#include "base/geometry.h"

namespace lumora {

// What the size takes from the skin's [HINTWINDOW] picture, or the default look.
struct TskHintLook {
  bool skinned = false;
  int pictureWidth = 0;   // PW
  int pictureHeight = 0;  // PH
  TPoint lt, rt, lb, rb;
  TRect client;  // "clientrect"
};

struct TskHintGeometry {
  int width = 0;
  int height = 0;
  TRect client;           // where the text goes (moved "clientrect", or the default margin)
  TPoint lt, rt, lb, rb;  // moved corner points (skinned)
};

// A plain hint whose text measures textWidth x textHeight.
TskHintGeometry PlainHintGeometry(const TskHintLook& look, int textWidth, int textHeight);

// Sizes of the parts of an extended hint; a part of width 0 is absent.
struct TskHintParts {
  int textWidth = 0, textHeight = 0;
  int titleWidth = 0, titleHeight = 0;  // measured in bold
  int imageWidth = 0, imageHeight = 0;
  bool HasTitle() const { return titleWidth > 0; }
  bool HasImage() const { return imageWidth > 0; }
};
TskHintGeometry ExtendedHintGeometry(const TskHintLook& look, const TskHintParts& parts);

// The window's rectangle starting at the point; one passing the right edge
// of limit moves left by its width + 2, one passing the bottom moves up by its
// height + 2.
TRect PlaceHint(TPoint at, int width, int height, const TRect& limit);

}  // namespace lumora
