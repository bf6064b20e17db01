#pragma once
// The rectangles of a skinned window frame for one window size: corner
// points, client, caption and buttons rectangles, hit-test points and mask
// area, all moved from the skin's main picture to the window; the frame's
// insets around the client area; and the size limits of the window. Pure
// functions of the skin's [FORMINFO] data and the sizes, shared by the
// painter, the hit-test, the region and the object layout.

#include "base/geometry.h"
#include "skin/data/skin_window_data.h"

namespace lumora {

// Caption bar height of the default (unskinned) frame and its border width.
constexpr int kDefaultCaptionHeight = 19;
constexpr int kDefaultToolCaptionHeight = 15;
constexpr int kDefaultBorder = 3;
// Smallest width of a default frame without MinWidth.
constexpr int kDefaultMinWidth = 120;

struct TskFrameGeometry {
  int width = 0, height = 0;                // the window, W x H
  int pictureWidth = 0, pictureHeight = 0;  // the main picture, PW x PH
  TPoint lt, rt, lb, rb;                    // moved corner points
  TRect client, caption, buttons;
  int buttonsOffset = 0;
  bool buttonsInLeft = false;
  TPoint hitLT, hitRT, hitLB, hitRB;  // moved hit-test points
  TRect maskArea;
};

// The frame of a W x H window cut from a PW x PH main picture.
TskFrameGeometry ComputeFrameGeometry(const TskFormInfo& info, int pictureWidth, int pictureHeight,
                                      int width, int height);

// Widths of the frame around the client area.
struct TskFrameInsets {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const TskFrameInsets&, const TskFrameInsets&) = default;
};
// The skinned frame keeps the unmoved sizes of the picture's border bands.
TskFrameInsets SkinnedInsets(const TskFormInfo& info, int pictureWidth, int pictureHeight);
TskFrameInsets DefaultInsets(int captionHeight);

// What the size limits depend on. pictureWidth/Height are 0 for the default
// look.
struct TskSizeLimitInput {
  bool skinned = false;
  int pictureWidth = 0, pictureHeight = 0;
  TRect clientRect;      // the skin's "clientrect"
  int formMinWidth = 0;  // the skin's "formminwidth"
  int captionHeight = kDefaultCaptionHeight;
  int minWidth = 0, minHeight = 0;  // the frame's MinWidth and MinHeight
  bool minimized = false, rolledUp = false;
};
int MinimumFrameWidth(const TskSizeLimitInput& in);
// The height of a frame without client area (F).
int FrameHeight(const TskSizeLimitInput& in);
int MinimumFrameHeight(const TskSizeLimitInput& in);
// The largest size: the area's size capped by maxWidth/maxHeight when these
// are not 0.
TPoint MaximumFrameSize(const TRect& area, int maxWidth, int maxHeight);

}  // namespace lumora
