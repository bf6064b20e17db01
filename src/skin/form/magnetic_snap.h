#pragma once
// Magnetic snapping of a window being dragged: an edge that comes within
// the snap distance of the work area's edge jumps onto it and stays there
// until the cursor has moved more than that distance from where it snapped.

#include "base/geometry.h"

namespace lumora {

class TskMagneticSnap {
 public:
  // Forgets every snapped edge (on each size change).
  void Clear();
  // The cursor position a move starts from.
  void SetAnchor(TPoint cursor) { anchor_ = cursor; }
  // The window's top-left for a proposed top-left, its size and the area,
  // with snap distance m. Edges are tried left, top, right, bottom.
  TPoint Adjust(TPoint proposed, int width, int height, const TRect& area, TPoint cursor, int m);

 private:
  bool snapped_[4] = {false, false, false, false};
  TPoint anchor_;
};

}  // namespace lumora
