#pragma once
// Which part of the frame a point is over, as the platform's hit-test codes:
// client, caption, one of the eight sizing edges, or a frame object. The
// codes decide the cursor and whether a press moves, sizes or goes to an
// object; the sizing codes map to Qt's edges for startSystemResize.

#include <Qt>
#include <vector>

#include "base/geometry.h"
#include "skin/form/frame_geometry.h"
#include "skin/form/frame_region.h"

namespace lumora {

enum TskHitCode {
  HTNOWHERE = 0,
  HTCLIENT = 1,
  HTCAPTION = 2,
  HTLEFT = 10,
  HTRIGHT = 11,
  HTTOP = 12,
  HTTOPLEFT = 13,
  HTTOPRIGHT = 14,
  HTBOTTOM = 15,
  HTBOTTOMLEFT = 16,
  HTBOTTOMRIGHT = 17,
  HTOBJECT = 19,  // a frame object or an inert part of the frame
};

struct TskHitTestState {
  bool rolledUp = false;
  bool minimized = false;
  bool maximized = false;
  bool sizeable = true;
  bool moveSizeLoop = false;
  // A hot object that is not a caption: it takes the point even where it
  // lies over a caption object.
  bool hotObject = false;
  std::vector<TRect> captionObjects;
};

// Point in window coordinates; mask may be null (no mask picture).
int SkinnedHitTest(TPoint p, const TskFrameGeometry& g, int borderWidth, const TskFrameMask* mask,
                   const TskHitTestState& state);
// The default look: 2-pixel sizing zones, caption rectangle, client inset by
// the default insets.
int DefaultHitTest(TPoint p, int width, int height, const TRect& captionRect, int captionHeight,
                   const TskHitTestState& state);

bool IsSizingCode(int code);
// The edges a sizing code moves; none for other codes.
Qt::Edges HitCodeEdges(int code);
Qt::CursorShape HitCodeCursor(int code);

}  // namespace lumora
