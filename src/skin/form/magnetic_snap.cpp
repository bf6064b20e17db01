#include "skin/form/magnetic_snap.h"

#include <cstdlib>

namespace lumora {

void TskMagneticSnap::Clear() {
  for (bool& s : snapped_) s = false;
}

TPoint TskMagneticSnap::Adjust(TPoint proposed, int width, int height, const TRect& area,
                               TPoint cursor, int m) {
  TPoint out = proposed;
  struct Edge {
    int distance;     // proposed edge minus the area's edge
    int snapTo;       // the window's left or top when snapped
    bool horizontal;  // moves x
  };
  const Edge edges[4] = {
      {proposed.x - area.Left, area.Left, true},
      {proposed.y - area.Top, area.Top, false},
      {proposed.x + width - area.Right, area.Right - width, true},
      {proposed.y + height - area.Bottom, area.Bottom - height, false},
  };
  for (int i = 0; i < 4; ++i) {
    const Edge& e = edges[i];
    const bool near = std::abs(e.distance) < m;
    int& pos = e.horizontal ? out.x : out.y;
    int& anchor = e.horizontal ? anchor_.x : anchor_.y;
    const int cur = e.horizontal ? cursor.x : cursor.y;
    if (near && !snapped_[i]) {
      pos = e.snapTo;
      anchor = cur;
    } else if (snapped_[i]) {
      pos = std::abs(cur - anchor) > m ? e.snapTo + (cur - anchor) : e.snapTo;
    }
    snapped_[i] = near;
  }
  return out;
}

}  // namespace lumora
