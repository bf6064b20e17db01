#pragma once
// Where an edit's text area and its edit button lie for a size, skinned or
// not, apart from the widget: the edit paints its frame around TextRect,
// lets the platform draw the text inside it, and hit-tests the button with
// the same rectangles.

#include "base/geometry.h"

namespace lumora {

// The numbers of an "edit" skin the rectangles depend on, relative to its
// skin rectangle except SkinRect itself.
struct TskEditSkinGeometry {
  TRect SkinRect;
  TRect ClientRect;
  TRect ButtonRect;
  int FixedRight = 0;  // skin width - righttoppoint.x
};

struct TskEditRects {
  TRect Text;
  TRect Button;  // empty unless in button mode
  friend bool operator==(const TskEditRects&, const TskEditRects&) = default;
};

// skin null: the unskinned look (2 pixels of frame, a square button at the
// right end). Skinned: the client rectangle grows with the width (and the
// height without the skin's font); a button past the fixed right part
// moves with the right edge.
TskEditRects ComputeEditRects(int width, int height, bool buttonMode, bool useSkinFont,
                              const TskEditSkinGeometry* skin);

}  // namespace lumora
